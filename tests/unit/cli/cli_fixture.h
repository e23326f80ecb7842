#pragma once
// Runs talvexupdate-cli in-process on string streams, and reads the samples'
// images independently of the program, so a test can compare what the
// command shows with what the file holds.

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace clitest {

struct CliResult {
  int status;
  std::string out;
  std::string err;
};

inline CliResult Cli(const std::vector<std::string>& args, bool drawProgress = false) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunCli(args, out, err, drawProgress);
  return {status, out.str(), err.str()};
}

inline std::string Sample(const std::string& name) { return std::string(TALVEX_SOURCE_DIR) + "/samples/" + name; }

inline std::string ReadText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline std::string WriteTemp(const std::string& name, const std::string& text) {
  const std::string path = ::testing::TempDir() + name;
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

// The 64 KiB of one segment of image 0 (primary) or 1 (second) of a
// well-formed file: one record a line, address records of types 2 and 4.
inline std::vector<uint8_t> SegmentImage(const std::string& text, int segment, int image = 0) {
  std::vector<uint8_t> bytes(65536, 0);
  auto byteAt = [&text](size_t at) { return static_cast<uint8_t>(std::stoi(text.substr(at, 2), nullptr, 16)); };
  int current = 0xFF;
  int imageNo = 0;
  for (size_t pos = text.find(':'); pos != std::string::npos && imageNo <= image; pos = text.find(':', pos + 1)) {
    const int length = byteAt(pos + 1);
    const int offset = byteAt(pos + 3) * 256 + byteAt(pos + 5);
    const int type = byteAt(pos + 7);
    if (type == 1) {
      ++imageNo;
      current = 0xFF;
    } else if (type == 4) {
      current = byteAt(pos + 11);
    } else if (type == 2) {
      current = byteAt(pos + 9) >> 4;
    } else if (type == 0 && imageNo == image && current == segment) {
      for (int i = 0; i < length; ++i) bytes[(offset + i) & 0xFFFF] = byteAt(pos + 9 + 2 * i);
    }
  }
  return bytes;
}

inline std::vector<uint8_t> Bytes(const std::string& raw) { return {raw.begin(), raw.end()}; }

}  // namespace clitest
