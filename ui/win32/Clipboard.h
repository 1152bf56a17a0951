// The clipboard: text as CF_UNICODETEXT.
#pragma once

#include <windows.h>

#include <string_view>

namespace gb {

// Puts UTF-8 text on the clipboard; throws the program's error when the clipboard is busy.
void SetClipboardText(HWND owner, std::string_view utf8);

}  // namespace gb
