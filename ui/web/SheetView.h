// The calculation sheet as the page's print view: the sheet laid out on the A4 page's text area
// with the browser's measures, as JSON for the page to place in millimetres, and its chart as a
// PNG image.
#pragma once

#include <string>

#include "sheet/CalculationSheet.h"

namespace gb {

struct TSheetView {
  std::string json;
  std::string chartPng;
};

TSheetView LayOutSheetView(const CalculationSheet& sheet);

}  // namespace gb
