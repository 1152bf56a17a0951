#include "form/MainFormLayout.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace gb {

DesignRect AnchoredRect(DesignRect design, TAnchors anchors, int designWidth, int designHeight,
                        int width, int height) {
  const int dw = width - designWidth;
  const int dh = height - designHeight;
  DesignRect rect = design;
  if (anchors & akRight) {
    if (anchors & akLeft) {
      rect.Width = design.Width + dw;
    } else {
      rect.Left = design.Left + dw;
    }
  }
  if (anchors & akBottom) {
    if (anchors & akTop) {
      rect.Height = design.Height + dh;
    } else {
      rect.Top = design.Top + dh;
    }
  }
  rect.Width = std::max(0, rect.Width);
  rect.Height = std::max(0, rect.Height);
  return rect;
}

const ControlDesign& MainFormControl(std::string_view name) {
  for (const ControlDesign& control : kMainFormControls) {
    if (name == control.Name) return control;
  }
  throw std::out_of_range("no control named " + std::string(name));
}

}  // namespace gb
