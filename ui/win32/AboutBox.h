// The About box: the logo and the program's texts on a bevelled panel, the web address as a
// link, and an OK button; modal over its owner.
#pragma once

#include <windows.h>

namespace gb {

class TApplication;

void ShowAboutBox(TApplication& Application, HWND Owner);

}  // namespace gb
