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

namespace {

bool TakesInput(ControlKind kind) {
  return kind == ControlKind::List || kind == ControlKind::Edit || kind == ControlKind::Grid ||
         kind == ControlKind::Chart;
}

// A caption sits on its control's row within a few pixels, or at most a row's height above it.
constexpr int kSameRow = 6;
constexpr int kRowBelow = 30;

}  // namespace

std::string_view LabelledControl(const ControlDesign& label) {
  const ControlDesign* below = nullptr;
  for (const ControlDesign& c : kMainFormControls) {
    if (!TakesInput(c.Kind) || std::string_view(c.Parent) != label.Parent) continue;
    const int dy = c.Place.Top - label.Place.Top;
    if (dy >= -kSameRow && dy <= kSameRow && c.Place.Left > label.Place.Left) return c.Name;
    if (dy > kSameRow && dy <= kRowBelow && (below == nullptr || c.Place.Top < below->Place.Top)) {
      below = &c;
    }
  }
  return below != nullptr ? below->Name : "";
}

}  // namespace gb
