#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "cli_fixture.h"

namespace {

using clitest::Cli;
using clitest::Sample;

constexpr const char* kPassed =
    "Testing loaded hex file: Passed  \n\nThe loaded hex file passed all checksum tests.  It should be a valid hex "
    "file.\n";
constexpr const char* kFailed =
    "Testing loaded hex file: FAILED  \n\nThe loaded hex file did not complete or pass some or all checksum tests.  It "
    "should be repaired or reloaded.\n";

TEST(CliTest, PrintsTheResultTextAndExitsByIt) {
  const struct {
    const char* sample;
    int status;
    const char* text;
  } cases[] = {
      {"device.hex", 0, kPassed},
      {"vjv.hex", 0, kPassed},
      {"broken-checksum.hex", 1, kFailed},
      // Line ends are no delimiters: the short end-of-file record takes them as its checksum.
      {"broken-short-eof.hex", 1, kFailed},
  };
  for (const auto& c : cases) {
    const auto result = Cli({"test", Sample(c.sample)});
    EXPECT_EQ(result.status, c.status) << c.sample;
    EXPECT_EQ(result.out, c.text) << c.sample;
    EXPECT_EQ(result.err, "") << c.sample;
  }
}

TEST(CliRecords, OneLinePerRecordAsTheRecordViewShowsIt) {
  const auto result = Cli({"records", Sample("device.hex"), "--count", "2"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out,
            "1\tExt. Linear Address Record\t0x02\t0x0000\t0xFC\t00 FE\n"
            "2\tData Record\t0x10\t0x0000\t0xDB\tA5 EB 05 0F 39 CA 6C A8 47 0D AC C8 9E 3A 96 24\n");
}

TEST(CliRecords, DataKeepsTheFilesCaseAndTheListEndsAtItsEndOfFileRecord) {
  // The console sample is written in lower case; its last data record is at 0x0FF0.
  const std::string file = clitest::ReadText(Sample("console.hex"));
  const size_t at = file.find(":100ff000");
  ASSERT_NE(at, std::string::npos);
  std::string data;
  for (size_t i = 0; i < 32; i += 2) data += (i ? " " : "") + file.substr(at + 9 + i, 2);
  std::string checksum = file.substr(at + 41, 2);
  for (char& c : checksum) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  ASSERT_NE(data, "");

  const auto result = Cli({"records", Sample("console.hex"), "--from=256"});
  EXPECT_EQ(result.out, "256\tData Record\t0x10\t0x0FF0\t0x" + checksum + "\t" + data +
                            "\n257\tEnd of File Record\t0x00\t0x0000\t0xFF\t\n");
  EXPECT_NE(data.find_first_of("abcdef"), std::string::npos);
}

TEST(CliRecords, TheSecondListIsNotPartOfTheRecords) {
  const auto result = Cli({"records", Sample("vjv.hex"), "--from", "129"});
  EXPECT_EQ(result.out, "129\tEnd of File Record\t0x00\t0x0000\t0xFF\t\n");
}

TEST(CliRecords, RangeOptions) {
  const struct {
    std::vector<std::string> options;
    int status;
    int lines;
  } cases[] = {
      {{"--count", "0"}, 0, 0},
      {{"--from", "595"}, 0, 1},
      {{"--from", "590", "--count", "100"}, 0, 6},
      {{"--from", "596"}, 64, 0},
      {{"--from", "0"}, 64, 0},
      {{"--from", "-3"}, 64, 0},
      {{"--from", "+3"}, 64, 0},
      {{"--count", "x"}, 64, 0},
      {{"--from"}, 64, 0},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"records", Sample("device.hex")};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const auto result = Cli(args);
    EXPECT_EQ(result.status, c.status) << c.options[0];
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), c.lines) << c.options[0];
    if (c.status == 64) {
      EXPECT_NE(result.err.find("usage: talvexupdate-cli records FILE [--from N] [--count M]\n"), std::string::npos);
    }
  }
}

}  // namespace
