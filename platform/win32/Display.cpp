#include "platform/Display.h"

namespace gb {

// Windows always has a desktop to open a window on; a program started without one (a service)
// is told where the calculator without a window is.
std::string NoDisplayText() {
  return "gb18306: no window could be opened; without a window, use the command-line companion: "
         "gb18306-cli --help";
}

}  // namespace gb
