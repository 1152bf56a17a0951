// The clipboard: text as CF_UNICODETEXT, and any format's data in global memory.
#pragma once

#include <windows.h>

#include <string_view>

namespace gb {

// Puts UTF-8 text on the clipboard; throws the program's error when the clipboard is busy.
void SetClipboardText(HWND owner, std::string_view utf8);

// Puts `memory` (GMEM_MOVEABLE, unlocked) on the clipboard as `format`, in place of what was
// there; the clipboard owns it from then on, and it is freed when it could not be put there.
void PutOnClipboard(HWND owner, UINT format, HGLOBAL memory);

}  // namespace gb
