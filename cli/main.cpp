#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/RunCli.h"
#include "platform/ProcessStart.h"

int main(int argc, char** argv) {
  gb::PrepareCommandLineProcess();
  const std::vector<std::string> given = gb::CommandLineArguments(argc, argv);
  const std::vector<std::string_view> args(given.begin(), given.end());
  return gb::RunCli(args, std::cout, std::cerr);
}
