#include "ui/win32/Clipboard.h"

#include <cstring>
#include <string>

#include "platform/win32/WideText.h"
#include "text/Errors.h"

namespace gb {

void SetClipboardText(HWND owner, std::string_view utf8) {
  const std::wstring text = WideFromUtf8(utf8);
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (memory == nullptr) throw EOutOfMemory();
  std::memcpy(GlobalLock(memory), text.c_str(), bytes);
  GlobalUnlock(memory);
  PutOnClipboard(owner, CF_UNICODETEXT, memory);
}

void PutOnClipboard(HWND owner, UINT format, HGLOBAL memory) {
  if (!OpenClipboard(owner)) {
    GlobalFree(memory);
    throw Exception("Cannot open the clipboard. " + WindowsErrorText(GetLastError()));
  }
  EmptyClipboard();
  if (SetClipboardData(format, memory) == nullptr) GlobalFree(memory);
  CloseClipboard();
}

}  // namespace gb
