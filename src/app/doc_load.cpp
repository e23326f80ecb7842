#include <algorithm>
#include <climits>
#include <cstring>

#include "app/doc_messages.h"
#include "app/update_doc.h"
#include "firmware/archive.h"
#include "firmware/hex_file.h"
#include "firmware/info_block.h"
#include "firmware/mem_map.h"
#include "platform/host.h"

namespace {

// Counts the lists of one load; the record count is installed with the rest.
class LoadListener final : public OVLoadListener {
 public:
  explicit LoadListener(COVUpdateDoc& doc) : m_doc(doc) {}
  void OnRecordLoaded(OVArchive& ar) override { m_doc.OnRecordLoaded(ar); }
  void OnListComplete(int32_t lastIndex) override { m_nLastIndex = lastIndex; }
  int32_t m_nLastIndex = 0;

 private:
  COVUpdateDoc& m_doc;
};

class WaitCursor {
 public:
  WaitCursor() : m_host(platform::GetHost()) {
    if (m_host != nullptr) m_host->BeginWaitCursor();
  }
  ~WaitCursor() {
    if (m_host != nullptr) m_host->EndWaitCursor();
  }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  platform::Host* m_host;
};

int ProgressUnits(uint64_t bytes) { return static_cast<int>(std::min<uint64_t>(bytes / 8, INT_MAX)); }

bool HasSecondImage(const char (&deviceType)[4]) {
  return std::memcmp(deviceType, "VJV", 3) == 0 || std::memcmp(deviceType, "ZZZ", 3) == 0;
}

std::string BaseName(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::unique_ptr<OVHexFile> ReadList(OVArchive& ar, LoadListener& listener) {
  auto first = std::make_unique<OVHexFile>();
  first->MarkFirst();
  first->Serialize(ar, &listener);
  return first;
}

}  // namespace

bool COVUpdateDoc::OnOpenDocument(const std::string& path) {
  if (!CanLoadFile()) return false;
  std::unique_ptr<OVFileSource> file = OVFileSource::Open(path);
  if (!file) {
    platform::MessageBox(kMsgFailedToOpenDocument, platform::Buttons::Ok, platform::Icon::Warning);
    return false;
  }
  // An empty file would otherwise be taken without a word, the old records
  // staying under the new name.
  if (file->GetLength() == 0) {
    platform::MessageBox(kMsgUnexpectedFileFormat, platform::Buttons::Ok, platform::Icon::Warning);
    return false;
  }
  WaitCursor wait;
  OVArchive ar(*file);
  return Serialize(ar, BaseName(path));
}

bool COVUpdateDoc::Serialize(OVArchive& ar, std::string fileName) {
  m_bAltUpload = 0;
  m_b64kSystem = 0;
  m_bDeviceVOV = 0;
  m_bDeviceVJV = 0;
  m_bDeviceZZZ = 0;
  if (m_pViewers != nullptr) {
    m_pViewers->DestroyWindow();
    m_pViewers = nullptr;
  }
  m_pMemMap.reset();
  m_pMemMap2.reset();
  if (m_pView != nullptr) {
    m_pView->Refresh();
    m_pView->BeginProgress(0, ProgressUnits(ar.GetFileLength()), kCaptionLoading, 1);
  }

  // Everything is read into temporaries first: only a complete file replaces
  // the loaded one, and each file starts from the unknown information values.
  OVFileInfo info;
  std::unique_ptr<OVHexFile> primary;
  std::unique_ptr<OVHexFile> second;
  int32_t records = 0;
  try {
    ParseInfoHeader(ar, info);
    LoadListener listener(*this);
    primary = ReadList(ar, listener);
    records = listener.m_nLastIndex;
    if (HasSecondImage(info.m_szFileDeviceType)) second = ReadList(ar, listener);
  } catch (const OVArchiveEndOfFile&) {
    if (m_pView != nullptr) m_pView->EndProgress();
    primary.reset();
    second.reset();
    platform::MessageBox(kMsgUnexpectedFileFormat, platform::Buttons::Ok, platform::Icon::Warning);
    // So that m_bAltUpload follows the file that stays loaded.
    if (m_pView != nullptr && m_pView->m_bPortActive) m_pView->EnableUpdateButtons(true);
    return false;
  }

  m_pHexFile = std::move(primary);
  // A file without a second image must not leave an earlier file's one behind.
  m_pHexFile2 = std::move(second);
  SetRecordCount(records);
  std::memcpy(m_szFileDeviceType, info.m_szFileDeviceType, sizeof m_szFileDeviceType);
  std::memcpy(m_szFileFirmware, info.m_szFileFirmware, sizeof m_szFileFirmware);
  std::memcpy(m_szFileAux, info.m_szFileAux, sizeof m_szFileAux);
  m_hwVersions = std::move(info.m_hwVersions);
  m_auxLabels = std::move(info.m_auxLabels);
  m_bInfoBlock = info.m_bInfoBlock;
  m_strFileName = std::move(fileName);
  if (m_pView != nullptr) {
    m_pView->EndProgress();
    m_pView->ShowFileName(m_strFileName);
    m_pView->EnableFileButtons(true);
    if (m_pView->m_bPortActive) m_pView->EnableUpdateButtons(true);
  }
  return true;
}

void COVUpdateDoc::OnRecordLoaded(OVArchive& ar) {
  if (m_pView != nullptr) m_pView->SetProgressPos(ProgressUnits(ar.GetFilePosition()), std::string());
}

void COVUpdateDoc::ParseInfoHeader(OVArchive& ar, OVFileInfo& info) {
  ParseInfoBlocks(ReadInfoHeader(ar), info);
}

int COVUpdateDoc::ParseInfoEntry(std::string_view block, OVFileInfo& info) { return ::ParseInfoEntry(block, info); }
