#include "firmware/hex_rec.h"

#include <gtest/gtest.h>

#include <string>

namespace {

OVHexRec ReadOne(const std::string& text) {
  OVMemorySource source(text);
  OVArchive ar(source);
  OVHexRec rec;
  rec.Serialize(ar);
  return rec;
}

TEST(HexToInt, AcceptsEveryCharacterByItsRule) {
  const struct {
    const char* text;
    int value;
  } cases[] = {
      {"0A", 10}, {"0a", 10}, {"FF", 255}, {"ff", 255}, {"G", 16}, {" ", -16},
      {"1234", 0x1234}, {"", 0}, {"z", 'Z' - 0x37},
  };
  for (const auto& c : cases) EXPECT_EQ(OVHexRec::HexToInt(c.text), c.value) << '"' << c.text << '"';
  // Characters at or above 0x80 count as negative bytes: worth their signed code minus 0x30.
  EXPECT_EQ(OVHexRec::HexToInt("\xFF"), -1 - 0x30);
}

TEST(HexRec, NewRecordIsAnEndOfFileRecord) {
  OVHexRec rec;
  EXPECT_EQ(rec.GetType(), 1);
  EXPECT_EQ(rec.m_nChecksum, 0xFF);
  EXPECT_TRUE(rec.IsChecksumValid());
  EXPECT_EQ(rec.FormatRecord(), ":00000001ff\n");
}

TEST(HexRec, ReadsFieldsAndKeepsTheDataCase) {
  const OVHexRec upper = ReadOne(":0401F000DEADBEEFD3\n");
  const OVHexRec lower = ReadOne(":0401f000deadbeefd3\n");
  for (const OVHexRec* rec : {&upper, &lower}) {
    EXPECT_EQ(rec->m_nLength, 4);
    EXPECT_EQ(rec->m_wOffset, 0x01F0);
    EXPECT_EQ(rec->m_nType, 0);
    EXPECT_EQ(rec->m_nChecksum, 0xD3);
    EXPECT_TRUE(rec->IsChecksumValid());
  }
  EXPECT_EQ(upper.m_strData, "DEADBEEF");
  EXPECT_EQ(lower.m_strData, "deadbeef");
  EXPECT_EQ(upper.FormatRecord(), ":0401f000DEADBEEFd3\n");
  EXPECT_EQ(lower.FormatRecord(), ":0401f000deadbeefd3\n");
}

TEST(HexRec, SkipsAnythingBeforeTheColon) {
  const OVHexRec rec = ReadOne("junk text\r\n\r\n   {not a block:00000001FF");
  EXPECT_EQ(rec.GetType(), 1);
  EXPECT_TRUE(rec.IsChecksumValid());
}

TEST(HexRec, LineEndsAreNotDelimiters) {
  // The checksum digits are missing: the CR LF become the checksum field.
  OVMemorySource source(":00000001\r\n:00000001FF\n");
  OVArchive ar(source);
  OVHexRec rec;
  rec.Serialize(ar);
  EXPECT_EQ(rec.GetType(), 1);
  EXPECT_EQ(rec.m_nChecksum, 0xAA);
  EXPECT_FALSE(rec.IsChecksumValid());
  // The next record starts at the following colon.
  OVHexRec next;
  next.Serialize(ar);
  EXPECT_TRUE(next.IsChecksumValid());
}

TEST(HexRec, LongestRecordReadsAndFormatsInFull) {
  std::string line = ":FF000000" + std::string(510, 'A') + "00";
  const OVHexRec rec = ReadOne(line);
  EXPECT_EQ(rec.m_strData.size(), 510u);
  EXPECT_EQ(rec.FormatRecord().size(), 522u);
}

TEST(HexRec, NonHexDataFailsTheChecksum) {
  const OVHexRec rec = ReadOne(":01000000GG00\n");
  EXPECT_EQ(rec.m_strData, "GG");
  EXPECT_FALSE(rec.IsChecksumValid());
}

TEST(HexRec, StreamEndingInsideARecordRaisesEndOfFile) {
  for (const char* text : {"", "no colon here", ":10000000", ":0100000041"}) {
    OVMemorySource source(text);
    OVArchive ar(source);
    OVHexRec rec;
    EXPECT_THROW(rec.Serialize(ar), OVArchiveEndOfFile) << text;
  }
}

TEST(RecordTypeName, NamesTheSixTypes) {
  EXPECT_STREQ(RecordTypeName(0), "Data Record");
  EXPECT_STREQ(RecordTypeName(2), "Ext. Segment Address Record");
  EXPECT_STREQ(RecordTypeName(5), "Start Linear Address Record");
  EXPECT_EQ(RecordTypeName(6), nullptr);
}

}  // namespace
