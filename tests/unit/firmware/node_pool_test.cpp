#include "firmware/node_pool.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <vector>

namespace {

// More nodes than one slab holds, each written whole: no two overlap, each is
// aligned, and freeing them all gives the memory back except one slab.
TEST(NodePool, HandsOutSeparateAlignedNodesAcrossSlabsAndKeepsOneWhenAllAreFree) {
  constexpr size_t kNodeSize = 72;
  OVNodePool pool(kNodeSize);
  std::vector<unsigned char*> nodes;
  for (int i = 0; i < 40000; ++i) {
    auto* node = static_cast<unsigned char*>(pool.Allocate());
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(node) % alignof(std::max_align_t), 0u);
    std::memset(node, i & 0xFF, kNodeSize);
    nodes.push_back(node);
  }
  EXPECT_GT(pool.SlabCount(), 1u);
  for (size_t i = 0; i < nodes.size(); ++i) {
    ASSERT_EQ(nodes[i][0], i & 0xFF);
    ASSERT_EQ(nodes[i][kNodeSize - 1], i & 0xFF);
  }
  EXPECT_EQ(std::set<unsigned char*>(nodes.begin(), nodes.end()).size(), nodes.size());

  for (unsigned char* node : nodes) pool.Free(node);
  EXPECT_EQ(pool.SlabCount(), 1u);
  // The kept slab serves the next list from its start.
  EXPECT_EQ(pool.Allocate(), nodes.front());
}

TEST(NodePool, AFreedNodeIsHandedOutAgain) {
  OVNodePool pool(64);
  void* first = pool.Allocate();
  void* second = pool.Allocate();
  pool.Free(second);
  EXPECT_EQ(pool.Allocate(), second);
  pool.Free(first);
  EXPECT_EQ(pool.Allocate(), first);
}

}  // namespace
