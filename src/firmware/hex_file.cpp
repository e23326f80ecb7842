#include "firmware/hex_file.h"

#include <new>

#include "firmware/node_pool.h"

namespace {
// Built on first use and never destroyed, so lists freed during the program's
// exit still find it.
OVNodePool& NodePool() {
  static OVNodePool* pool = new OVNodePool(sizeof(OVHexFile));
  return *pool;
}

// Under AddressSanitizer nodes stay ordinary allocations, so it keeps
// watching every node for overruns and use after free.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kPooled = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kPooled = false;
#else
constexpr bool kPooled = true;
#endif
#else
constexpr bool kPooled = true;
#endif
}  // namespace

void* OVHexFile::operator new(size_t size) {
  if (!kPooled || size != sizeof(OVHexFile)) return ::operator new(size);
  void* node = NodePool().Allocate();
  if (node == nullptr) throw std::bad_alloc();
  return node;
}

void OVHexFile::operator delete(void* node, size_t size) noexcept {
  if (!kPooled || size != sizeof(OVHexFile)) {
    ::operator delete(node);
    return;
  }
  NodePool().Free(node);
}

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
