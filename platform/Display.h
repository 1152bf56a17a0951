// The display the desktop window opens on, as the system names it.
#pragma once

#include <string>

namespace gb {

// The one line for standard error when no window can be opened (UTF-8, no line break): which
// display could not be opened and where the calculator without a window is.
std::string NoDisplayText();

}  // namespace gb
