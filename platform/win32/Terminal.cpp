#include "platform/Terminal.h"

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <iostream>
#include <string_view>

#include "platform/win32/ConsoleText.h"
#include "platform/win32/FileIdentity.h"

namespace gb {

namespace {

HANDLE StandardHandle(StandardStream stream) {
  return GetStdHandle(stream == StandardStream::Input    ? STD_INPUT_HANDLE
                      : stream == StandardStream::Output ? STD_OUTPUT_HANDLE
                                                         : STD_ERROR_HANDLE);
}

// The console buffers of standard output and error, made once when the stream is a console.
// Never destroyed: the streams flush into them as the process exits, after static objects are
// gone.
ConsoleTextBuffer*& ConsoleBuffer(StandardStream stream) {
  static ConsoleTextBuffer *output = nullptr, *error = nullptr;
  return stream == StandardStream::Output ? output : error;
}

bool WriteConsoleText(HANDLE console, std::wstring_view text) {
  while (!text.empty()) {
    DWORD written = 0;
    const auto chunk = static_cast<DWORD>(std::min<std::size_t>(text.size(), 16384));
    if (!WriteConsoleW(console, text.data(), chunk, &written, nullptr) || written == 0) {
      return false;
    }
    text.remove_prefix(written);
  }
  return true;
}

}  // namespace

void SetStandardStreamCodePage(StandardStream stream, const std::string& codePage) {
  if (stream == StandardStream::Input || !IsTerminal(stream)) return;
  ConsoleTextBuffer*& buffer = ConsoleBuffer(stream);
  if (buffer) {
    buffer->SetCodePage(codePage);
    return;
  }
  std::ostream& os = stream == StandardStream::Output ? std::cout : std::cerr;
  os.flush();
  const HANDLE console = StandardHandle(stream);
  // The batch's progress line clears itself with an escape sequence, as on a Linux terminal.
  DWORD mode = 0;
  if (GetConsoleMode(console, &mode)) {
    SetConsoleMode(console, mode | ENABLE_PROCESSED_OUTPUT | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
  }
  buffer = new ConsoleTextBuffer(
      codePage, [console](std::wstring_view text) { return WriteConsoleText(console, text); });
  os.rdbuf(buffer);
}

bool IsTerminal(StandardStream stream) {
  DWORD mode = 0;
  return GetConsoleMode(StandardHandle(stream), &mode) != 0;
}

int StandardInputError() {
  const HANDLE input = StandardHandle(StandardStream::Input);
  if (input == nullptr || input == INVALID_HANDLE_VALUE) return EBADF;
  return 0;
}

bool IsStandardStreamFile(StandardStream stream, const std::filesystem::path& path) {
  const std::optional<FileIdentity> open = IdentityOfHandle(StandardHandle(stream));
  return open && open == IdentityOfFile(path);
}

bool StandardStreamsAreOneFile() {
  const std::optional<FileIdentity> input = IdentityOfHandle(StandardHandle(StandardStream::Input));
  return input && input == IdentityOfHandle(StandardHandle(StandardStream::Output));
}

}  // namespace gb
