#include "firmware/archive.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

TEST(Archive, FilePositionRunsAheadByTheBuffer) {
  const std::string text(10000, 'x');
  OVMemorySource source(text);
  OVArchive ar(source);
  EXPECT_EQ(ar.GetFileLength(), 10000u);
  ar.ReadChar();
  EXPECT_EQ(ar.GetFilePosition(), 4096u);
  EXPECT_EQ(ar.GetReadPosition(), 1u);
  for (int i = 0; i < 4096; ++i) ar.ReadChar();
  EXPECT_EQ(ar.GetFilePosition(), 8192u);
  EXPECT_EQ(ar.GetReadPosition(), 4097u);
}

TEST(Archive, SeekGoesBackToAnEarlierPosition) {
  OVMemorySource source("abc:def");
  OVArchive ar(source);
  for (int i = 0; i < 5; ++i) ar.ReadChar();
  ar.Seek(3);
  EXPECT_EQ(ar.ReadChar(), ':');
  EXPECT_EQ(ar.ReadChar(), 'd');
  ar.Flush();
  EXPECT_EQ(ar.GetFilePosition(), 5u);
  EXPECT_EQ(ar.ReadChar(), 'e');
}

TEST(Archive, EndOfFileIsAnError) {
  OVMemorySource source("ab");
  OVArchive ar(source);
  ar.ReadChar();
  ar.ReadChar();
  EXPECT_THROW(ar.ReadChar(), OVArchiveEndOfFile);
}

TEST(FileSource, ReadsAFileAndRefusesWhatCannotBeOpened) {
  const std::string path = testing::TempDir() + "archive_test.txt";
  std::ofstream(path) << "hello";
  auto file = OVFileSource::Open(path);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->GetLength(), 5u);
  OVArchive ar(*file);
  EXPECT_EQ(ar.ReadChar(), 'h');
  ar.Seek(4);
  EXPECT_EQ(ar.ReadChar(), 'o');
  EXPECT_THROW(ar.ReadChar(), OVArchiveEndOfFile);
  std::remove(path.c_str());

  EXPECT_FALSE(OVFileSource::Open(testing::TempDir() + "no-such-file.hex"));
  EXPECT_FALSE(OVFileSource::Open(testing::TempDir()));
}

}  // namespace
