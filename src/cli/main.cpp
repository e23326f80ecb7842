#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const int status = RunCli(args, std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1);
  std::cout.flush();
  return status;
}
