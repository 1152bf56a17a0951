#include <csignal>
#include <iostream>
#include <string_view>
#include <vector>

#include "cli/RunCli.h"

int main(int argc, char** argv) {
  // Past a file-size limit the output fails with a message and status 1 instead of a kill.
  std::signal(SIGXFSZ, SIG_IGN);
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  return gb::RunCli(args, std::cout, std::cerr);
}
