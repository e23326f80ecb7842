#include <gtest/gtest.h>

#include <filesystem>

#include "cli_fixture.h"

namespace {

using clitest::Cli;
using clitest::Sample;

TEST(CliLoad, AFileThatCannotBeLoadedIsReportedByEveryCommand) {
  const struct {
    std::string path;
    const char* message;
  } cases[] = {
      {Sample("broken-empty.hex"), "Unexpected file format.\n"},
      {Sample("broken-no-records.hex"), "Unexpected file format.\n"},
      {Sample("broken-no-eof.hex"), "Unexpected file format.\n"},
      {Sample("broken-vjv-second.hex"), "Unexpected file format.\n"},
      {Sample("no-such-file.hex"), "Failed to open document.\n"},
      {std::string(TALVEX_SOURCE_DIR) + "/samples", "Failed to open document.\n"},
  };
  for (const auto& c : cases) {
    for (const char* command : {"info", "test", "records", "dump"}) {
      const auto result = Cli({command, c.path});
      EXPECT_EQ(result.status, 2) << command << " " << c.path;
      EXPECT_EQ(result.err, c.message) << command << " " << c.path;
      EXPECT_EQ(result.out, "") << command << " " << c.path;
    }
  }
}

TEST(CliUsage, UsageErrorsExit64WithAUsageLine) {
  const std::string file = Sample("device.hex");
  const struct {
    std::vector<std::string> args;
    const char* err;  // the whole text, or its first line when the rest is the full usage
  } cases[] = {
      {{"info"}, "talvexupdate-cli: missing FILE\nusage: talvexupdate-cli info FILE [--json]\n"},
      {{"info", file, file}, "talvexupdate-cli: one FILE only\nusage: talvexupdate-cli info FILE [--json]\n"},
      {{"test", file, "--json"}, "talvexupdate-cli: unknown option --json\nusage: talvexupdate-cli test FILE\n"},
      {{"info", file, "--json=1"}, "talvexupdate-cli: unknown option --json=1\nusage: talvexupdate-cli info FILE [--json]\n"},
      {{"records", file, "--count"},
       "talvexupdate-cli: option --count needs a value\nusage: talvexupdate-cli records FILE [--from N] [--count M]\n"},
      {{"flash", file}, "talvexupdate-cli: unknown command 'flash'\n"},
      {{"--help", "info"}, "talvexupdate-cli: unknown command '--help'\n"},
      {{}, nullptr},
  };
  for (const auto& c : cases) {
    const auto result = Cli(c.args);
    EXPECT_EQ(result.status, 64);
    EXPECT_EQ(result.out, "");
    if (c.err != nullptr && std::string(c.err).find("usage:") != std::string::npos) {
      EXPECT_EQ(result.err, c.err);
    } else {
      // The full usage: every command's line, the first and the last fixed.
      const std::string first = std::string(c.err == nullptr ? "" : c.err) + "usage: talvexupdate-cli info FILE [--json]\n";
      const std::string last = "       talvexupdate-cli --help | --version\n";
      EXPECT_EQ(result.err.substr(0, first.size()), first);
      ASSERT_GE(result.err.size(), last.size());
      EXPECT_EQ(result.err.substr(result.err.size() - last.size()), last);
      EXPECT_NE(result.err.find("       talvexupdate-cli dump FILE [--second] [--segment SS] [--page PP] [--raw]\n"),
                std::string::npos);
    }
  }
}

TEST(CliUsage, HelpAndVersion) {
  const auto help = Cli({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("usage: talvexupdate-cli info FILE [--json]\n", 0), 0u);
  EXPECT_NE(help.out.find("64 usage error"), std::string::npos);
  const auto version = Cli({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("talvexupdate-cli ", 0), 0u);
}

TEST(CliProgress, DrawnOnlyWhenAskedFor) {
  const auto quiet = Cli({"info", Sample("device.hex")}, false);
  EXPECT_EQ(quiet.err, "");

  const auto drawn = Cli({"test", Sample("device.hex")}, true);
  EXPECT_EQ(drawn.status, 0);
  EXPECT_NE(drawn.err.find("\rLoading Hex File... ["), std::string::npos);
  EXPECT_NE(drawn.err.find("\rTesting Hex file... [##############################] 100%"), std::string::npos);
  // Each run clears its line, so the bar never mixes with what follows.
  EXPECT_EQ(drawn.err.substr(drawn.err.size() - 4), "\r\033[K");

  const auto dump = Cli({"dump", Sample("device.hex"), "--raw", "--page", "0"}, true);
  EXPECT_NE(dump.err.find("\rCreating Memory Map from Hex File... ["), std::string::npos);
  EXPECT_EQ(dump.out.size(), 256u);
}

TEST(CliProgress, AFailedLoadClearsTheBarBeforeItsMessage) {
  const auto result = Cli({"info", Sample("broken-no-eof.hex")}, true);
  EXPECT_EQ(result.status, 2);
  const std::string tail = "\r\033[KUnexpected file format.\n";
  ASSERT_GE(result.err.size(), tail.size());
  EXPECT_EQ(result.err.substr(result.err.size() - tail.size()), tail);
}

}  // namespace
