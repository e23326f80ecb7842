#include "firmware/mem_map.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/main_form_link.h"
#include "firmware/hex_file.h"

namespace {

std::unique_ptr<OVHexFile> List(const std::string& text) {
  OVMemorySource source(text);
  OVArchive ar(source);
  auto first = std::make_unique<OVHexFile>();
  first->MarkFirst();
  first->Serialize(ar);
  return first;
}

// Checksums do not matter to the map; "00" stands in for them.
std::string Rec(const std::string& lenOffsetType, const std::string& data = "") { return ":" + lenOffsetType + data + "00\n"; }
const std::string kEof = ":00000001FF\n";

TEST(MemMap, DataWithoutAddressRecordsFillsSegmentFF) {
  auto list = List(Rec("04001000", "01020304") + kEof);
  OVMemMap map(list.get(), nullptr);
  ASSERT_NE(map.GetPagePtr(0xFF, 0x00), nullptr);
  EXPECT_EQ(map.GetPagePtr(0, 0), nullptr);
  const uint8_t* page = map.GetPagePtr(0xFF, 0x00);
  EXPECT_EQ(page[0x10], 1);
  EXPECT_EQ(page[0x13], 4);
  EXPECT_EQ(page[0x0F], 0);  // never written: zero, not erased 0xFF
  EXPECT_EQ(map.m_nTopSeg, 0);
  EXPECT_EQ(map.m_wTopOffset, 0);
}

TEST(MemMap, ExtendedSegmentAddressSelectsASegmentAndRaisesTheTop) {
  auto list = List(Rec("02000002", "1000") + Rec("02200000", "AA55") + kEof);
  OVMemMap map(list.get(), nullptr);
  ASSERT_NE(map.GetPagePtr(1, 0x20), nullptr);
  EXPECT_EQ(map.GetPagePtr(1, 0x20)[0], 0xAA);
  EXPECT_EQ(map.GetPagePtr(1, 0x20)[1], 0x55);
  EXPECT_EQ(map.m_nTopSeg, 1);
  EXPECT_EQ(map.m_wTopOffset, 0x2000);
  // 0x0800 drops its lower 12 bits: segment 0.
  auto low = List(Rec("02000002", "0800") + Rec("01000000", "77") + kEof);
  OVMemMap lowMap(low.get(), nullptr);
  EXPECT_EQ(lowMap.GetPagePtr(0, 0)[0], 0x77);
}

TEST(MemMap, ExtendedLinearAddressUsesItsLowByteAndLeavesTheTop) {
  auto list = List(Rec("02000004", "0102") + Rec("01100000", "99") + kEof);
  OVMemMap map(list.get(), nullptr);
  EXPECT_EQ(map.GetPagePtr(1, 0), nullptr);
  ASSERT_NE(map.GetPagePtr(2, 0), nullptr);
  EXPECT_EQ(map.GetPagePtr(2, 0x10)[0], 0x99);
  EXPECT_EQ(map.m_nTopSeg, 0);
  EXPECT_EQ(map.m_wTopOffset, 0);
}

TEST(MemMap, ShortAddressRecordsCountMissingDigitsAsZero) {
  // "1" reads as 10 00: segment address 0x1000 is segment 1.
  auto seg = List(Rec("01000002", "1") + Rec("01000000", "42") + kEof);
  OVMemMap segMap(seg.get(), nullptr);
  EXPECT_NE(segMap.GetPagePtr(1, 0), nullptr);
  // An empty linear address record selects segment 0.
  auto lin = List(Rec("00000004") + Rec("01000000", "42") + kEof);
  OVMemMap linMap(lin.get(), nullptr);
  EXPECT_NE(linMap.GetPagePtr(0, 0), nullptr);
}

TEST(MemMap, RecordsWrapInsideTheirSegmentAndLaterOnesOverwrite) {
  auto list = List(Rec("10FFF800", "000102030405060708090A0B0C0D0E0F") + Rec("01000000", "EE") + kEof);
  OVMemMap map(list.get(), nullptr);
  EXPECT_EQ(map.GetPagePtr(0xFF, 0xFF)[0xF8], 0x00);
  EXPECT_EQ(map.GetPagePtr(0xFF, 0xFF)[0xFF], 0x07);
  EXPECT_EQ(map.GetPagePtr(0xFF, 0x00)[0], 0xEE);  // overwrote 0x08
  EXPECT_EQ(map.GetPagePtr(0xFF, 0x00)[7], 0x0F);
  EXPECT_EQ(map.GetPagePtr(0, 0), nullptr);
}

TEST(MemMap, NonHexDataBytesAreTheirHexToIntValue) {
  auto list = List(Rec("02000000", "G0zz") + kEof);
  OVMemMap map(list.get(), nullptr);
  EXPECT_EQ(map.GetPagePtr(0xFF, 0)[0], static_cast<uint8_t>(OVHexRec::HexToInt("G0")));
  EXPECT_EQ(map.GetPagePtr(0xFF, 0)[1], static_cast<uint8_t>(OVHexRec::HexToInt("zz")));
}

TEST(MemMap, RecordFrameRelativeAndAbsolute) {
  std::string data;
  for (int i = 0; i < 16; ++i) data += "0123456789ABCDEF"[i] + std::string("0");
  auto list = List(Rec("10423000", data) + kEof);
  OVMemMap map(list.get(), nullptr);
  uint8_t absolute[kRecordFrameSize];
  uint8_t relative[kRecordFrameSize];
  map.BuildRecordFrame(0xFF, 1, 2, 3, absolute, false);
  map.BuildRecordFrame(0xFF, 1, 2, 3, relative, true);
  EXPECT_EQ(absolute[0], 0x10);
  EXPECT_EQ(absolute[1], 0x42);
  EXPECT_EQ(relative[1], 0x02);
  EXPECT_EQ(absolute[2], 0x30);
  EXPECT_EQ(absolute[3], 0x00);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(absolute[4 + i], i * 16);
  for (const uint8_t* frame : {absolute, relative}) {
    unsigned sum = 0;
    for (int i = 0; i < kRecordFrameSize; ++i) sum += frame[i];
    EXPECT_EQ(sum % 256, 0u);
  }
}

TEST(MemMap, RecordFrameOfAnAbsentSegmentSetsOnlyByteThree) {
  OVMemMap map(nullptr, nullptr);
  uint8_t frame[kRecordFrameSize];
  for (auto& b : frame) b = 0x5A;
  map.BuildRecordFrame(0x10, 0, 0, 0, frame, false);
  for (int i = 0; i < kRecordFrameSize; ++i) EXPECT_EQ(frame[i], i == 3 ? 0xFF : 0x5A);
}

TEST(MemMap, ASegmentThatCannotBeAllocatedFailsTheBuild) {
  auto list = List(Rec("01000000", "11") + kEof);
  OVMemMap map(list.get(), nullptr, [] { return static_cast<OVSegment*>(nullptr); });
  EXPECT_FALSE(map.IsComplete());
  EXPECT_EQ(map.GetPagePtr(0xFF, 0), nullptr);
}

struct StepCounter : ProgressOnlyForm {
  bool BeginProgress(int, int, std::string, int) override { return true; }
  bool StepProgress(std::string) override { return ++steps, true; }
  bool SetProgressPos(int, std::string) override { return true; }
  bool EndProgress() override { return true; }
  int steps = 0;
};

TEST(MemMap, StepsTheFormOncePerRecord) {
  auto list = List(Rec("01000000", "11") + Rec("01000100", "22") + kEof);
  StepCounter form;
  OVMemMap map(list.get(), &form);
  EXPECT_EQ(form.steps, 3);
}

}  // namespace
