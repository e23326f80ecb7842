#include "firmware/node_pool.h"

#include <sys/mman.h>

#include <algorithm>

namespace {
constexpr size_t kSlabSize = size_t{2} << 20;  // one huge page
}

OVNodePool::OVNodePool(size_t nodeSize)
    : m_nNodeSize((std::max(nodeSize, sizeof(FreeNode)) + alignof(std::max_align_t) - 1) / alignof(std::max_align_t) *
                  alignof(std::max_align_t)) {}

OVNodePool::~OVNodePool() {
  for (void* slab : m_slabs) ::munmap(slab, kSlabSize);
}

bool OVNodePool::AddSlab() {
  void* slab = ::mmap(nullptr, kSlabSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (slab == MAP_FAILED) return false;
  // Only a hint: without huge pages the slab is ordinary memory.
  ::madvise(slab, kSlabSize, MADV_HUGEPAGE);
  m_slabs.push_back(slab);
  m_pNext = static_cast<char*>(slab);
  m_pEnd = m_pNext + kSlabSize / m_nNodeSize * m_nNodeSize;
  return true;
}

size_t OVNodePool::SlabCount() const {
  std::lock_guard lock(m_mutex);
  return m_slabs.size();
}

void* OVNodePool::Allocate() {
  std::lock_guard lock(m_mutex);
  void* node = nullptr;
  if (m_pFree != nullptr) {
    node = m_pFree;
    m_pFree = m_pFree->next;
  } else {
    if (m_pNext == m_pEnd && !AddSlab()) return nullptr;
    node = m_pNext;
    m_pNext += m_nNodeSize;
  }
  ++m_nLive;
  return node;
}

void OVNodePool::Free(void* node) noexcept {
  if (node == nullptr) return;
  std::lock_guard lock(m_mutex);
  auto* free = static_cast<FreeNode*>(node);
  free->next = m_pFree;
  m_pFree = free;
  // With no node left, the memory goes back to the system, all but one slab
  // kept for the next small file so that loading one is no fresh mapping.
  if (--m_nLive == 0 && !m_slabs.empty()) {
    for (size_t i = 1; i < m_slabs.size(); ++i) ::munmap(m_slabs[i], kSlabSize);
    m_slabs.resize(1);
    m_pFree = nullptr;
    m_pNext = static_cast<char*>(m_slabs[0]);
    m_pEnd = m_pNext + kSlabSize / m_nNodeSize * m_nNodeSize;
  }
}
