// The calculation sheet on a Windows printer: the system's print dialog on A4 portrait, the
// sheet's page laid out with the printer's own fonts and drawn with GDI, one page.
#pragma once

#include <windows.h>

#include <map>
#include <utility>

#include "sheet/CalculationSheet.h"
#include "sheet/SheetLayout.h"

namespace gb {

// Measures and draws the sheet in a device context's pixels; the sheet is in millimetres.
class GdiSheet : public SheetMeasure {
 public:
  explicit GdiSheet(HDC dc);
  ~GdiSheet() override;
  GdiSheet(const GdiSheet&) = delete;
  GdiSheet& operator=(const GdiSheet&) = delete;

  double WidthMm(const SheetFont& font, std::string_view utf8) const override;
  double LineMm(const SheetFont& font) const override;
  double HeightMm(const SheetFont& font, double widthMm, std::string_view utf8,
                  SheetFlow flow) const override;

  // The page with the text area's top left corner at (leftPx, topPx) of the device.
  void Paint(const SheetPage& page, const ChartPlot& chart, int leftPx, int topPx) const;

  double Dev(double mm) const { return mm * dpi_ / 25.4; }
  double Mm(double px) const { return px * 25.4 / dpi_; }

 private:
  HFONT Font(const SheetFont& font) const;
  void PaintItems(const std::vector<SheetItem>& items, const ChartPlot& chart) const;

  HDC dc_;
  double dpi_;
  mutable std::map<std::pair<int, bool>, HFONT> fonts_;
};

// Shows the print dialog over `owner` and prints the sheet; false when the user cancels.
bool PrintCalculationSheet(HWND owner, const CalculationSheet& sheet);

}  // namespace gb
