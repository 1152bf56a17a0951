// What the desktop program says when there is no display to open its window on.
#pragma once

#include <QString>

namespace gb {

// The one line for standard error: which display could not be opened and where the calculator
// without a window is. `display` is the DISPLAY variable, null when it is not set.
QString NoDisplayText(const char* display);

// Held while the toolkit connects to the display. Qt answers a missing or unreachable display
// with a fatal message that aborts the process and blames the installation; in its place the
// program prints NoDisplayText and ends with exit status 1. Messages the toolkit logs on the way
// are held back, so that only that line is seen, and passed on once the display is open.
class TDisplayOpening {
 public:
  TDisplayOpening();
  ~TDisplayOpening();
  TDisplayOpening(const TDisplayOpening&) = delete;
  TDisplayOpening& operator=(const TDisplayOpening&) = delete;
};

}  // namespace gb
