#pragma once
// Runs the device simulator as a child process for a test or a benchmark: its
// pseudo-terminal path from the first line it prints, its JSON report after it stops.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace e2e {

class DevsimProcess {
 public:
  // Starts `program` with `args` plus --report into a folder of its own.
  DevsimProcess(const std::string& program, std::vector<std::string> args) {
    static int counter = 0;
    m_folder = std::filesystem::temp_directory_path() /
               ("talvex-devsim-" + std::to_string(getpid()) + "-" + std::to_string(++counter));
    std::filesystem::create_directories(m_folder);
    args.insert(args.begin(), {program, "--report", ReportPath().string()});
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);

    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    if (posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) m_pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (m_pid > 0) {
      std::string line;
      char c = 0;
      while (read(out[0], &c, 1) == 1 && c != '\n') line += c;
      if (line.rfind("PTY ", 0) == 0) m_ptyPath = line.substr(4);
    }
    close(out[0]);
  }
  ~DevsimProcess() {
    Stop();
    std::error_code ec;
    std::filesystem::remove_all(m_folder, ec);
  }
  DevsimProcess(const DevsimProcess&) = delete;
  DevsimProcess& operator=(const DevsimProcess&) = delete;

  // Empty when the simulator did not start.
  const std::string& ptyPath() const { return m_ptyPath; }
  std::filesystem::path ReportPath() const { return m_folder / "report.json"; }

  // Stops the simulator (SIGTERM) and returns its exit status.
  int Stop() {
    if (m_pid <= 0) return m_status;
    kill(m_pid, SIGTERM);
    int status = 0;
    waitpid(m_pid, &status, 0);
    m_pid = -1;
    m_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return m_status;
  }

  // Stops the simulator and reads the report it wrote at exit.
  nlohmann::json Report() {
    Stop();
    std::ifstream in(ReportPath());
    if (!in) return nlohmann::json::object();
    return nlohmann::json::parse(in, nullptr, false);
  }

 private:
  std::filesystem::path m_folder;
  pid_t m_pid = -1;
  int m_status = -1;
  std::string m_ptyPath;
};

}  // namespace e2e
