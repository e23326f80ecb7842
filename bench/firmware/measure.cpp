// Runs a command several times and reports its fastest wall time and its
// largest peak memory, the child's own as the kernel counts it, so programs
// of any kind are measured the same way. The command's standard output is
// discarded; its errors still show.
//   bench_measure [--runs N] COMMAND [ARG...]

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
  int runs = 5;
  int first = 1;
  if (argc > 2 && std::string(argv[1]) == "--runs") {
    runs = std::max(1, std::atoi(argv[2]));
    first = 3;
  }
  if (first >= argc) {
    std::fprintf(stderr, "usage: bench_measure [--runs N] COMMAND [ARG...]\n");
    return 64;
  }
  double best = 1e300;
  long peak = 0;
  for (int run = 0; run < runs; ++run) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid < 0) return 70;
    if (pid == 0) {
      if (std::freopen("/dev/null", "w", stdout) == nullptr) ::_exit(126);
      ::execvp(argv[first], argv + first);
      std::perror(argv[first]);
      ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (::wait4(pid, &status, 0, &usage) != pid) return 70;
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      std::fprintf(stderr, "bench_measure: %s did not succeed (status %d)\n", argv[first], status);
      return 1;
    }
    best = std::min(best, ms);
    peak = std::max(peak, usage.ru_maxrss);
  }
  std::printf("%9.1f ms %9ld KiB\n", best, peak);
  return 0;
}
