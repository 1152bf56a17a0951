// The choice before a spectrum function file is saved (format, level or all four, site class),
// asked for in a modal dialog over the main window.
#pragma once

#include <windows.h>

#include <optional>

#include "form/MainFormView.h"

namespace gb {

class TApplication;

// The choice made, opened at `initial`, or nothing when the user cancels.
std::optional<TSpectrumFileChoice> AskSpectrumFileChoice(TApplication& Application, HWND Owner,
                                                         const TSpectrumFileChoice& initial);

}  // namespace gb
