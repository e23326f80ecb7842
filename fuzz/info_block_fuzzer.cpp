// Throws arbitrary text at the information header: read through the archive
// as a load does, every block parsed, and one entry parsed whole. The stored
// values must stay within their fields and limits, and the checks must answer
// 0, 1 or 2 for them.

#include <string>
#include <string_view>

#include "firmware/archive.h"
#include "firmware/info_block.h"
#include "firmware/version_checks.h"
#include "fuzz_target.h"

namespace {

void CheckInfo(const OVFileInfo& info) {
  FUZZ_CHECK(info.m_szFileDeviceType[3] == 0 && info.m_szFileFirmware[3] == 0);
  for (const auto& aux : info.m_szFileAux) FUZZ_CHECK(aux[3] == 0);
  FUZZ_CHECK(info.m_auxLabels.size() <= static_cast<size_t>(kAuxVersionCount));
  for (const std::string& label : info.m_auxLabels) FUZZ_CHECK(label.empty() || label.size() <= kMaxInfoToken + 2);
  for (const std::string& code : info.m_hwVersions) FUZZ_CHECK(!code.empty() && code.size() <= kMaxInfoToken);

  const char devType[4] = {'V', 'J', 'V', 0};
  const char devHardware[3] = {'A', 'B', 0};
  const char devFirmware[4] = {'2', '.', '1', 0};
  const char unknownHardware[3] = {'?', 0, 0};
  FUZZ_CHECK(CheckDeviceType(devType, info.m_szFileDeviceType) <= 2);
  FUZZ_CHECK(CheckHardwareVersion(devHardware, info.m_hwVersions) <= 2);
  FUZZ_CHECK(CheckHardwareVersion(unknownHardware, info.m_hwVersions) <= 2);
  FUZZ_CHECK(CheckFirmwareVersion(devFirmware, info.m_szFileFirmware) <= 2);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  OVMemorySource source(text);
  OVArchive ar(source);
  try {
    const std::string header = ReadInfoHeader(ar);
    FUZZ_CHECK(header == text.substr(0, text.find(':')));
    FUZZ_CHECK(ar.ReadChar() == ':');
    OVFileInfo info;
    ParseInfoBlocks(header, info);
    FUZZ_CHECK(info.m_bInfoBlock == (header.find('{') != std::string::npos ? 1 : 0));
    CheckInfo(info);
  } catch (const OVArchiveEndOfFile&) {
    FUZZ_CHECK(text.find(':') == std::string_view::npos);
  }

  // The entry parser on its own sees colons and texts over the block limit too.
  OVFileInfo entry;
  const int key = ParseInfoEntry(text, entry);
  FUZZ_CHECK(key >= -1 && key < static_cast<int>(kInfoKeys.size()));
  CheckInfo(entry);
  return 0;
}
