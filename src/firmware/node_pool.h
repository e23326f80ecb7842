#pragma once
// Storage for the nodes of the record lists. A list holds one small node per
// record, up to a million of them; taking them from large slabs, which the
// kernel may back with huge pages, turns tens of thousands of page faults and
// allocator calls into a few, and keeps freed nodes for the next load.

#include <cstddef>
#include <mutex>
#include <vector>

class OVNodePool {
 public:
  explicit OVNodePool(size_t nodeSize);
  ~OVNodePool();
  OVNodePool(const OVNodePool&) = delete;
  OVNodePool& operator=(const OVNodePool&) = delete;

  // nullptr when no memory is left (operator new turns that into bad_alloc).
  void* Allocate();
  // node must come from this pool's Allocate.
  void Free(void* node) noexcept;
  size_t SlabCount() const;

 private:
  struct FreeNode {
    FreeNode* next;
  };
  bool AddSlab();

  const size_t m_nNodeSize;
  mutable std::mutex m_mutex;  // lists may be built and freed on more than one thread
  FreeNode* m_pFree = nullptr;
  char* m_pNext = nullptr;
  char* m_pEnd = nullptr;
  size_t m_nLive = 0;  // nodes handed out and not freed
  std::vector<void*> m_slabs;
};
