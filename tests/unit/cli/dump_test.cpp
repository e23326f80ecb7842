#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "cli_fixture.h"

namespace {

using clitest::Bytes;
using clitest::Cli;
using clitest::Sample;
using clitest::SegmentImage;

constexpr const char* kHeader = "Address:\t0x00\t0x01\t0x02\t0x03\t0x04\t0x05\t0x06\t0x07\t0x08\t0x09\t0x0A\t0x0B\t0x0C\t0x0D\t0x0E\t0x0F\n";
constexpr const char* kAbsent =
    "WARNING:\nThe specified segment is not used in the file.  \nThe segment will be displayed as erased.\n";

// Reads a grid back into its bytes, checking each row's address on the way.
std::vector<uint8_t> GridBytes(const std::string& grid, int segment, int firstPage) {
  std::istringstream lines(grid);
  std::string line;
  std::getline(lines, line);
  EXPECT_EQ(line + "\n", kHeader);
  std::vector<uint8_t> bytes;
  for (int row = 0; std::getline(lines, line); ++row) {
    char address[16];
    std::snprintf(address, sizeof address, "0x%02X%02X%02X", segment, firstPage + row / 16, row % 16 * 16);
    EXPECT_EQ(line.substr(0, 8), address);
    for (size_t at = 8; at < line.size(); at += 3) {
      EXPECT_EQ(line[at], '\t');
      bytes.push_back(static_cast<uint8_t>(std::stoi(line.substr(at + 1, 2), nullptr, 16)));
    }
  }
  return bytes;
}

TEST(CliDump, APageIsTheMemoryViewsGrid) {
  const auto result = Cli({"dump", Sample("console.hex"), "--page", "0"});
  EXPECT_EQ(result.status, 0);
  // The file's first record, lower case in the file, upper case in the grid.
  EXPECT_EQ(result.out.substr(0, result.out.find('\n', std::string(kHeader).size()) + 1),
            std::string(kHeader) + "0xFF0000\t97\tBA\t9C\tC7\t42\t7D\t5D\tF3\tD0\tA8\t9E\t0A\tEE\t88\t97\tEA\n");
  EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 17);
}

TEST(CliDump, GridAndRawShowTheImageTheFileMakes) {
  const struct {
    const char* sample;
    std::vector<std::string> options;
    int segment;
    int page;  // -1: the whole segment
    int image;
  } cases[] = {
      {"console.hex", {}, 0xFF, -1, 0},
      {"device.hex", {"--segment", "FE"}, 0xFE, -1, 0},
      {"device.hex", {"--page", "80"}, 0xFF, 0x80, 0},
      {"device.hex", {"--segment", "0xfe", "--page", "3"}, 0xFE, 0x03, 0},
      {"vwt.hex", {"--segment", "2", "--page", "01"}, 0x02, 0x01, 0},
      {"vjv.hex", {"--second", "--page", "40"}, 0xFF, 0x40, 1},
      {"vjv.hex", {"--second"}, 0xFF, -1, 1},
  };
  for (const auto& c : cases) {
    const std::vector<uint8_t> image = SegmentImage(clitest::ReadText(Sample(c.sample)), c.segment, c.image);
    const std::vector<uint8_t> expected =
        c.page < 0 ? image : std::vector<uint8_t>(image.begin() + c.page * 256, image.begin() + c.page * 256 + 256);
    std::vector<std::string> args = {"dump", Sample(c.sample)};
    args.insert(args.end(), c.options.begin(), c.options.end());

    const auto grid = Cli(args);
    EXPECT_EQ(grid.status, 0) << c.sample << " " << c.segment;
    EXPECT_EQ(GridBytes(grid.out, c.segment, c.page < 0 ? 0 : c.page), expected) << c.sample << " " << c.segment;

    args.push_back("--raw");
    const auto raw = Cli(args);
    EXPECT_EQ(raw.status, 0);
    EXPECT_EQ(Bytes(raw.out), expected) << c.sample << " " << c.segment;
    EXPECT_EQ(raw.err, "");
  }
}

TEST(CliDump, ASegmentTheFileDoesNotUseIsWarnedAbout) {
  const struct {
    const char* sample;
    std::vector<std::string> options;
  } cases[] = {
      {"console.hex", {"--segment", "03"}},
      {"vwt.hex", {}},  // the default segment FF
      {"device.hex", {"--segment", "00", "--raw"}},
      {"console.hex", {"--second"}},  // no second image at all
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"dump", Sample(c.sample)};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const auto result = Cli(args);
    EXPECT_EQ(result.status, 1) << c.sample;
    EXPECT_EQ(result.err, kAbsent) << c.sample;
    EXPECT_EQ(result.out, "") << c.sample;
  }
}

TEST(CliDump, SegmentAndPageMustBeOneOrTwoHexDigits) {
  for (const std::string option : {"--segment", "--page"}) {
    for (const std::string value : {"-1", "G0", "100", "", "0x", "+1", " 1"}) {
      const auto result = Cli({"dump", Sample("console.hex"), option, value});
      EXPECT_EQ(result.status, 64) << option << " '" << value << "'";
      EXPECT_EQ(result.out, "");
      EXPECT_NE(result.err.find("usage: talvexupdate-cli dump FILE [--second] [--segment SS] [--page PP] [--raw]\n"),
                std::string::npos);
    }
  }
}

}  // namespace
