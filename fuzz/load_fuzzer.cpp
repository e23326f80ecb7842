// Throws arbitrary bytes at the document's load, then tests, maps and walks
// what it read. Beyond not crashing: a load either completes with a sound list
// or leaves the file loaded before it exactly as it was, and every progress
// run it starts is ended.

#include <cstring>
#include <string>
#include <string_view>

#include "app/update_doc.h"
#include "firmware/archive.h"
#include "firmware/hex_file.h"
#include "firmware/mem_map.h"
#include "fuzz_target.h"
#include "platform/app/headless_host.h"

namespace {

// The file loaded before each input, so a failed load has something to keep.
constexpr std::string_view kPrevious =
    "{DeviceType = VJV}{FirmwareVersion = 9.1}\n"
    ":0400000001020304F2\n:00000001FF\n:0200000400FFFB\n:00000001FF\n";

class BalanceForm final : public ProgressOnlyForm {
 public:
  bool BeginProgress(int, int, std::string, int) override {
    if (m_bActive) return false;
    m_bActive = true;
    return true;
  }
  bool StepProgress(std::string) override { return m_bActive; }
  bool SetProgressPos(int pos, std::string) override {
    FUZZ_CHECK(pos >= 0);
    return m_bActive;
  }
  bool EndProgress() override {
    const bool was = m_bActive;
    m_bActive = false;
    return was;
  }
  bool m_bActive = false;
};

bool Load(COVUpdateDoc& doc, std::string_view text, const char* name) {
  OVMemorySource source(text);
  OVArchive ar(source);
  return doc.Serialize(ar, name);
}

void CheckList(const OVHexFile* first, int32_t expectedCount) {
  int32_t index = 0;
  const OVHexFile* previous = nullptr;
  const OVHexFile* last = nullptr;
  for (const OVHexFile* node = first; node != nullptr; node = node->GetNext()) {
    FUZZ_CHECK(node->m_nIndex == ++index);
    FUZZ_CHECK(node->m_pPrev == previous);
    const OVHexRec& rec = *node->GetRecord();
    FUZZ_CHECK(rec.m_strData.size() == 2 * size_t{rec.m_nLength});
    FUZZ_CHECK((rec.m_nType == kEndOfFileRecord) == (node->GetNext() == nullptr));
    // A record's line reads back as the same record.
    const std::string line = rec.FormatRecord();
    OVMemorySource source(line);
    OVArchive ar(source);
    OVHexRec again;
    again.Serialize(ar);
    FUZZ_CHECK(again.m_nLength == rec.m_nLength && again.m_wOffset == rec.m_wOffset && again.m_nType == rec.m_nType &&
               again.m_strData == rec.m_strData && again.m_nChecksum == rec.m_nChecksum);
    previous = last = node;
  }
  FUZZ_CHECK(last != nullptr);
  if (expectedCount >= 0) FUZZ_CHECK(last->m_nIndex == expectedCount);
}

void CheckMap(OVMemMap* map) {
  FUZZ_CHECK(map != nullptr);
  uint8_t frame[kRecordFrameSize] = {};
  for (int seg = 0; seg < 256; ++seg) {
    const auto s = static_cast<uint8_t>(seg);
    FUZZ_CHECK((map->GetPagePtr(s, 0xFF) != nullptr) == map->HasSegment(s));
    map->BuildRecordFrame(s, 3, 63, 15, frame, false);
    if (!map->HasSegment(s)) continue;
    uint8_t sum = 0;
    for (uint8_t byte : frame) sum = static_cast<uint8_t>(sum + byte);
    FUZZ_CHECK(sum == 0);
  }
  FUZZ_CHECK(map->m_nTopSeg <= 15);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static platform::HeadlessHost host;
  static bool installed = [] {
    host.SetDefaultAnswer([](const platform::MessageBoxRequest&) { return platform::Answer::Ok; });
    platform::SetHost(&host);
    return true;
  }();
  (void)installed;

  const std::string_view text(reinterpret_cast<const char*>(data), size);
  COVUpdateDoc doc;
  BalanceForm form;
  doc.m_pView = &form;
  FUZZ_CHECK(Load(doc, kPrevious, "previous.hex"));
  const bool loaded = Load(doc, text, "input.hex");
  FUZZ_CHECK(!form.m_bActive);
  if (!loaded) {
    FUZZ_CHECK(doc.GetFileName() == "previous.hex");
    FUZZ_CHECK(doc.GetRecordCount() == 2);
    FUZZ_CHECK(std::memcmp(doc.m_szFileDeviceType, "VJV", 4) == 0);
    FUZZ_CHECK(std::memcmp(doc.m_szFileFirmware, "9.1", 4) == 0);
    FUZZ_CHECK(doc.GetHexFile2() != nullptr && doc.GetHexFile2()->m_nIndex == 1);
    return 0;
  }
  FUZZ_CHECK(doc.GetFileName() == "input.hex");
  FUZZ_CHECK(doc.m_szFileDeviceType[3] == 0 && doc.m_szFileFirmware[3] == 0);
  CheckList(doc.GetHexFile(), doc.GetRecordCount());
  const bool second = std::memcmp(doc.m_szFileDeviceType, "VJV", 3) == 0 || std::memcmp(doc.m_szFileDeviceType, "ZZZ", 3) == 0;
  FUZZ_CHECK(second == (doc.GetHexFile2() != nullptr));
  if (second) CheckList(doc.GetHexFile2(), -1);

  doc.TestHexFile(true);
  FUZZ_CHECK(!form.m_bActive);
  form.BeginProgress(1, doc.GetRecordCount(), "map", 1);
  FUZZ_CHECK(doc.CreateMemMap(&form) && doc.CreateMemMap2(&form));
  form.EndProgress();
  CheckMap(doc.GetMemMap());
  CheckMap(doc.GetMemMap2());
  return 0;
}
