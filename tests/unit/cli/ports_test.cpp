// talvexupdate-cli ports: where COM1 to COM4 lead, then the machine's serial devices.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "support/pty.h"

namespace {

// COM1 is a pseudo-terminal (by variable), COM2 a missing device (by
// variable), COM3 /dev/null (by the settings file), COM4 keeps its default.
class PortsCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_GE(pty.master(), 0);
    slavePath = pty.slavePath();
    config = std::filesystem::path(::testing::TempDir()) / "ports-command-config";
    std::filesystem::create_directories(config / "TalvexUpdate");
    settingsFile = config / "TalvexUpdate" / "TalvexUpdate.ini";
    std::ofstream(settingsFile) << "[Ports]\nCOM3=/dev/null\n";
    missingPath = (config / "no-such-tty").string();
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    setenv("TALVEXUPDATE_COM1", slavePath.c_str(), 1);
    setenv("TALVEXUPDATE_COM2", missingPath.c_str(), 1);
    unsetenv("TALVEXUPDATE_COM3");
    unsetenv("TALVEXUPDATE_COM4");
  }
  void TearDown() override {
    for (const char* name : {"XDG_CONFIG_HOME", "TALVEXUPDATE_COM1", "TALVEXUPDATE_COM2"}) unsetenv(name);
  }

  int Run(const std::vector<std::string>& args) {
    std::ostringstream outStream;
    std::ostringstream errStream;
    const int status = RunCli(args, outStream, errStream, false);
    out = outStream.str();
    err = errStream.str();
    return status;
  }

  std::string slavePath;
  std::string missingPath;
  std::filesystem::path config;
  std::filesystem::path settingsFile;
  std::string out;
  std::string err;

 private:
  testsupport::Pty pty;
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST_F(PortsCommandTest, ListsEachStandardPortWithItsDeviceThenTheDevicesFound) {
  ASSERT_EQ(Run({"ports"}), 0);
  EXPECT_EQ(err, "");

  const bool ttyS3 = std::filesystem::exists("/dev/ttyS3");
  const std::vector<std::string> expectedHead = {
      "COM1 -> " + slavePath + " (TALVEXUPDATE_COM1): exists",
      "COM2 -> " + missingPath + " (TALVEXUPDATE_COM2): missing",
      "COM3 -> /dev/null (" + settingsFile.string() + " [Ports]): exists",
      std::string("COM4 -> /dev/ttyS3 (default): ") + (ttyS3 ? "exists" : "missing"),
      "",
      "Serial devices found:",
  };
  const std::vector<std::string> lines = Lines(out);
  ASSERT_GT(lines.size(), expectedHead.size());
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + expectedHead.size()), expectedHead);
  // What follows depends on the machine: device paths, or that there are none.
  for (size_t i = expectedHead.size(); i < lines.size(); ++i) {
    EXPECT_TRUE(lines[i].rfind("  /dev/", 0) == 0 || lines[i] == "  none") << lines[i];
  }
}

TEST_F(PortsCommandTest, ArgumentsAreAUsageError) {
  EXPECT_EQ(Run({"ports", "COM1"}), 64);
  EXPECT_EQ(out, "");
  EXPECT_EQ(err, "talvexupdate-cli: no arguments expected\nusage: talvexupdate-cli ports\n");
}

}  // namespace
