#include "platform/ProcessStart.h"

#include <windows.h>
// Needs windows.h before it.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>

#include "platform/SystemCodePage.h"
#include "platform/Terminal.h"
#include "platform/win32/WideText.h"

namespace gb {

void PrepareCommandLineProcess() {
  // Text mode would write CR CR LF for the report's CR LF, and CR LF for a message's LF.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  _setmode(_fileno(stdin), _O_BINARY);
  // A console gets text, not the ANSI code page's bytes, which read wrong under another
  // console code page (chcp 65001, or an English console on a Chinese system).
  const std::string codePage = SystemCodePage();
  SetStandardStreamCodePage(StandardStream::Output, codePage);
  SetStandardStreamCodePage(StandardStream::Error, codePage);
}

std::vector<std::string> CommandLineArguments(int, char**) {
  // The narrow arguments are in the ANSI code page and lose what it cannot hold.
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; i < count; ++i) args.push_back(Utf8FromWide(wide[i]));
  LocalFree(wide);
  return args;
}

std::string CommandLineCodePage() { return "UTF-8"; }

}  // namespace gb
