#include <iostream>
#include <string_view>
#include <vector>

#include "cli/RunCli.h"

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  return gb::RunCli(args, std::cout, std::cerr);
}
