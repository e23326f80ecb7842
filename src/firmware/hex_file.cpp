#include "firmware/hex_file.h"

thread_local OVHexFile* OVHexFile::s_pLastRead = nullptr;
thread_local int32_t OVHexFile::s_nLastIndex = 0;

OVHexFile::~OVHexFile() {
  // Unlink before each node dies, so no destructor ever recurses.
  std::unique_ptr<OVHexFile> next = std::move(m_pNext);
  while (next) next = std::move(next->m_pNext);
}

void OVHexFile::Serialize(OVArchive& ar, OVLoadListener* listener) {
  OVHexFile* node = this;
  for (;;) {
    if (node->m_nIndex == 0) {
      node->m_nIndex = s_nLastIndex + 1;
      node->m_pPrev = s_pLastRead;
    }
    s_pLastRead = node;
    s_nLastIndex = node->m_nIndex;
    node->m_rec.Serialize(ar);
    if (listener != nullptr) listener->OnRecordLoaded(ar);
    if (node->m_rec.GetType() == kEndOfFileRecord) {
      if (listener != nullptr) listener->OnListComplete(s_nLastIndex);
      return;
    }
    node->m_pNext = std::make_unique<OVHexFile>();
    node = node->m_pNext.get();
  }
}

OVHexFile* OVHexFile::FindRecord(int32_t n) {
  OVHexFile* node = this;
  while (node != nullptr && n < node->m_nIndex) node = node->m_pPrev;
  while (node != nullptr && n > node->m_nIndex) node = node->m_pNext.get();
  return node;
}

OVHexFile* OVHexFile::GetRecordText(std::string& text) const {
  text = m_rec.FormatRecord();
  return m_pNext.get();
}

OVHexFile* OVHexFile::Append(std::unique_ptr<OVHexFile> node) {
  node->m_nIndex = m_nIndex + 1;
  node->m_pPrev = this;
  m_pNext = std::move(node);
  return m_pNext.get();
}
