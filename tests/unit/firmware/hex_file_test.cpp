#include "firmware/hex_file.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct Recorder : OVLoadListener {
  void OnRecordLoaded(OVArchive&) override { ++loaded; }
  void OnListComplete(int32_t lastIndex) override { completed.push_back(lastIndex); }
  int loaded = 0;
  std::vector<int32_t> completed;
};

std::unique_ptr<OVHexFile> ReadList(OVArchive& ar, Recorder* recorder = nullptr) {
  auto first = std::make_unique<OVHexFile>();
  first->MarkFirst();
  first->Serialize(ar, recorder);
  return first;
}

const char kThreeRecords[] =
    ":0100000011EE\n"
    ":0100010022DC\n"
    ":00000001FF\n"
    ":0100000033CC\n"
    ":00000001FF\n";

TEST(HexFile, ReadsANumberedDoublyLinkedListUpToTheFirstEndOfFile) {
  OVMemorySource source(kThreeRecords);
  OVArchive ar(source);
  Recorder recorder;
  auto list = ReadList(ar, &recorder);

  std::vector<const OVHexFile*> nodes;
  for (const OVHexFile* node = list.get(); node != nullptr; node = node->GetNext()) nodes.push_back(node);
  ASSERT_EQ(nodes.size(), 3u);
  EXPECT_EQ(nodes[0]->m_pPrev, nullptr);
  for (size_t i = 0; i < nodes.size(); ++i) {
    EXPECT_EQ(nodes[i]->m_nIndex, static_cast<int32_t>(i + 1));
    if (i > 0) {
      EXPECT_EQ(nodes[i]->m_pPrev, nodes[i - 1]);
    }
  }
  EXPECT_EQ(nodes[2]->GetRecord()->GetType(), kEndOfFileRecord);
  EXPECT_EQ(recorder.loaded, 3);
  EXPECT_EQ(recorder.completed, std::vector<int32_t>{3});

  // The second list of the same stream starts after the first end-of-file record.
  auto second = ReadList(ar, &recorder);
  EXPECT_EQ(second->GetRecord()->m_strData, "33");
  EXPECT_EQ(second->GetNext()->m_nIndex, 2);
  EXPECT_EQ(second->GetNext()->m_pPrev, second.get());
}

TEST(HexFile, FindRecordWalksBothWaysAndGetRecordTextFormats) {
  OVMemorySource source(kThreeRecords);
  OVArchive ar(source);
  auto list = ReadList(ar);
  OVHexFile* third = list->FindRecord(3);
  ASSERT_NE(third, nullptr);
  EXPECT_EQ(third->m_nIndex, 3);
  EXPECT_EQ(third->FindRecord(1), list.get());
  EXPECT_EQ(third->FindRecord(4), nullptr);
  EXPECT_EQ(list->FindRecord(0), nullptr);

  std::string line;
  EXPECT_EQ(list->GetRecordText(line), list->GetNext());
  EXPECT_EQ(line, ":01000000" "11" "ee\n");
  EXPECT_EQ(third->GetRecordText(line), nullptr);
  EXPECT_EQ(line, ":00000001ff\n");
}

TEST(HexFile, AListWithoutEndOfFileRaisesEndOfFile) {
  OVMemorySource source(":0100000011EE\n:0100010022DC\n");
  OVArchive ar(source);
  EXPECT_THROW(ReadList(ar), OVArchiveEndOfFile);
}

// Recursive building or freeing of a list this long would overflow the stack.
TEST(HexFile, AMillionRecordsBuildAndFreeWithoutRecursion) {
  constexpr int kRecords = 1'000'000;
  auto first = std::make_unique<OVHexFile>();
  first->MarkFirst();
  OVHexFile* last = first.get();
  for (int i = 1; i < kRecords; ++i) last = last->Append(std::make_unique<OVHexFile>());
  EXPECT_EQ(last->m_nIndex, kRecords);
  EXPECT_EQ(first->FindRecord(kRecords), last);
  first.reset();
}

TEST(HexFile, AMillionRecordsReadIteratively) {
  std::string text;
  constexpr int kRecords = 1'000'000;
  text.reserve(kRecords * 14);
  for (int i = 1; i < kRecords; ++i) text += ":0100000011EE\n";
  text += ":00000001FF\n";
  OVMemorySource source(text);
  OVArchive ar(source);
  Recorder recorder;
  auto list = ReadList(ar, &recorder);
  EXPECT_EQ(recorder.completed, std::vector<int32_t>{kRecords});
}

}  // namespace
