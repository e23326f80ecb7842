// The program itself draws its progress bar only when standard error is a
// terminal: run it with standard error on a pipe and on a pseudo-terminal.

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "cli_fixture.h"

namespace {

const std::string kProgram = std::string(TALVEX_BINARY_DIR) + "/src/cli/talvexupdate-cli";

std::string ReadAll(int fd) {
  std::string text;
  char buffer[4096];
  for (;;) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 10000) <= 0) break;
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n <= 0) break;  // a pseudo-terminal whose other side closed reads EIO
    text.append(buffer, static_cast<size_t>(n));
  }
  return text;
}

// Runs the program with standard output discarded and standard error on errFd;
// returns its exit status and what errFd's reading end received.
std::pair<int, std::string> RunProgram(int errWrite, int errRead, const std::vector<std::string>& args) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(errRead);
    ::dup2(errWrite, STDERR_FILENO);
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, STDOUT_FILENO);
    std::vector<char*> argv{const_cast<char*>(kProgram.c_str())};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    ::execv(kProgram.c_str(), argv.data());
    ::_exit(127);
  }
  ::close(errWrite);
  const std::string err = ReadAll(errRead);
  int status = 0;
  ::waitpid(pid, &status, 0);
  ::close(errRead);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, err};
}

class CliProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(kProgram)) GTEST_SKIP() << "talvexupdate-cli is not built";
  }
};

TEST_F(CliProgram, NoBarWhenStandardErrorIsAPipe) {
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  const auto [status, err] = RunProgram(fds[1], fds[0], {"test", clitest::Sample("device.hex")});
  EXPECT_EQ(status, 0);
  EXPECT_EQ(err, "");
}

TEST_F(CliProgram, ABarWhenStandardErrorIsATerminal) {
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(master, 0);
  ASSERT_EQ(::grantpt(master), 0);
  ASSERT_EQ(::unlockpt(master), 0);
  const int slave = ::open(::ptsname(master), O_RDWR | O_NOCTTY);
  ASSERT_GE(slave, 0);
  const auto [status, err] = RunProgram(slave, master, {"test", clitest::Sample("device.hex")});
  EXPECT_EQ(status, 0);
  EXPECT_NE(err.find("\rLoading Hex File... ["), std::string::npos) << err;
  EXPECT_NE(err.find("\rTesting Hex file... ["), std::string::npos) << err;
}

}  // namespace
