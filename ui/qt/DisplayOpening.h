// What the desktop program says when there is no display to open its window on.
#pragma once

namespace gb {

// Held while the toolkit connects to the display. Qt answers a missing or unreachable display
// with a fatal message that aborts the process and blames the installation; in its place the
// program prints the system's no-display line (platform/Display.h) and ends with exit status 1.
// Messages the toolkit logs on the way are held back, so that only that line is seen, and passed on
// once the display is open.
class TDisplayOpening {
 public:
  TDisplayOpening();
  ~TDisplayOpening();
  TDisplayOpening(const TDisplayOpening&) = delete;
  TDisplayOpening& operator=(const TDisplayOpening&) = delete;
};

}  // namespace gb
