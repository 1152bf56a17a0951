#include "platform/Display.h"

#include <cstdlib>

namespace gb {

std::string NoDisplayText() {
  const char* display = std::getenv("DISPLAY");
  const std::string which = display == nullptr || *display == '\0'
                                ? std::string("DISPLAY is not set")
                                : "DISPLAY=\"" + std::string(display) + "\"";
  return "gb18306: no display could be opened (" + which +
         "); without a window, use the command-line companion: gb18306-cli --help";
}

}  // namespace gb
