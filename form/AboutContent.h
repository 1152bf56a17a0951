// The About box as designed: its caption and size, and every item on it with its text, place and
// type size, for every front end to build it from.
#pragma once

#include <string>
#include <vector>

#include "form/MainFormLayout.h"

namespace gb {

inline constexpr int kAboutClientWidth = 675;
inline constexpr int kAboutClientHeight = 210;
inline constexpr const char* kAboutCaption = "关于 RI 18306-2015《zezevire》 zidazov";

// The bevelled panel that holds the logo and the texts, in the box's client area.
inline constexpr DesignRect kAboutPanel{8, 7, 659, 170};
// The OK button, in the client area; the default button, with the focus.
inline constexpr DesignRect kAboutOkButton{300, 183, 75, 23};

enum class AboutItemKind {
  Logo,          // the program's logo, stretched to the place
  Label,         // one line, sized by its text
  WrappedLabel,  // wrapped into the place's width, two lines high
  Link,          // the web address: one line, sized by its text, with the link's states
};

struct AboutItem {
  const char* Name;
  AboutItemKind Kind;
  std::string Text;  // UTF-8
  DesignRect Place;  // in the panel; a label's size comes from its text (0 here)
  int PixelSize;     // of the bold "MS Sans Serif" the texts are set in
};

// In the order they are made.
std::vector<AboutItem> AboutBoxItems();

}  // namespace gb
