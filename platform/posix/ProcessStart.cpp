#include "platform/ProcessStart.h"

#include <csignal>

#include "platform/SystemCodePage.h"

namespace gb {

void PrepareCommandLineProcess() {
  // Past a file-size limit the output fails with a message and status 1 instead of a kill.
  std::signal(SIGXFSZ, SIG_IGN);
}

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
  return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

std::string CommandLineCodePage() { return SystemCodePage(); }

}  // namespace gb
