#include "ui/web/SheetView.h"

#include <cmath>
#include <cstdlib>
#include <memory>

#include "batch/JsonText.h"
#include "sheet/SheetLayout.h"
#include "ui/web/PageCalls.h"
#include "ui/web/WebChart.h"

namespace gb {

namespace {

// Enough pixels for a printer: the chart is drawn four times its size in chart pixels.
constexpr int kSheetChartScale = 4;
constexpr double kMmPerChartPixel = 25.4 / kChartDpi;

class TPageSheetMeasure : public SheetMeasure {
 public:
  double WidthMm(const SheetFont& font, std::string_view utf8) const override {
    return gb_page_sheet_measure(0, font.points, font.bold, 0, 0, std::string(utf8).c_str());
  }
  double LineMm(const SheetFont& font) const override {
    return gb_page_sheet_measure(1, font.points, font.bold, 0, 0, "");
  }
  double HeightMm(const SheetFont& font, double widthMm, std::string_view utf8,
                  SheetFlow flow) const override {
    if (utf8.empty()) return LineMm(font);
    return gb_page_sheet_measure(2, font.points, font.bold, widthMm, static_cast<int>(flow),
                                 std::string(utf8).c_str());
  }
};

void AppendRect(std::string& out, const SheetRect& r) {
  out.append("\"x\":");
  AppendJsonNumber(out, r.x);
  out.append(",\"y\":");
  AppendJsonNumber(out, r.y);
  out.append(",\"w\":");
  AppendJsonNumber(out, r.width);
  out.append(",\"h\":");
  AppendJsonNumber(out, r.height);
}

struct ItemJson {
  std::string& out;
  void operator()(const SheetText& t) const {
    out.append("{\"kind\":\"text\",");
    AppendRect(out, t.rect);
    out.append(",\"points\":");
    AppendJsonNumber(out, t.font.points);
    out.append(",\"bold\":").append(t.font.bold ? "true" : "false");
    out.append(",\"align\":").append(std::to_string(static_cast<int>(t.align)));
    out.append(",\"flow\":").append(std::to_string(static_cast<int>(t.flow)));
    out.append(",\"cell\":").append(t.cell ? "true" : "false");
    out.append(",\"text\":");
    AppendJsonString(out, t.utf8);
    out.append("}");
  }
  void operator()(const SheetLine& l) const {
    out.append("{\"kind\":\"line\",\"x0\":");
    AppendJsonNumber(out, l.x0);
    out.append(",\"y0\":");
    AppendJsonNumber(out, l.y0);
    out.append(",\"x1\":");
    AppendJsonNumber(out, l.x1);
    out.append(",\"y1\":");
    AppendJsonNumber(out, l.y1);
    out.append(",\"width\":");
    AppendJsonNumber(out, l.widthMm);
    out.append(",\"black\":").append(l.black ? "true" : "false").append("}");
  }
  void operator()(const SheetCell& c) const {
    out.append("{\"kind\":\"cell\",");
    AppendRect(out, c.rect);
    out.append(",\"header\":").append(c.header ? "true" : "false").append("}");
  }
  void operator()(const SheetChart& c) const {
    out.append("{\"kind\":\"chart\",");
    AppendRect(out, c.rect);
    out.append("}");
  }
};

void AppendItems(std::string& out, const std::vector<SheetItem>& items) {
  out.append("[");
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out.append(",");
    std::visit(ItemJson{out}, items[i]);
  }
  out.append("]");
}

// The sheet's chart at the size its place gives it in chart pixels.
std::string ChartPng(const CalculationSheet& sheet, const SheetRect& place) {
  ChartPlot chart;
  PlotSheetChart(chart, sheet);
  const ChartSize size{static_cast<int>(std::lround(place.width / kMmPerChartPixel)),
                       static_cast<int>(std::lround(place.height / kMmPerChartPixel))};
  const TWebChartFonts fonts;
  DisplayList list;
  chart.Draw(list, size, fonts);
  gb_paint_begin(size.width, size.height, kSheetChartScale);
  PaintOnPage(list);
  std::uint8_t* bytes = nullptr;
  const int count = gb_paint_image(&bytes);
  const std::unique_ptr<std::uint8_t, decltype(&std::free)> owned(bytes, &std::free);
  return {reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(count)};
}

}  // namespace

TSheetView LayOutSheetView(const CalculationSheet& sheet) {
  const TPageSheetMeasure measure;
  const SheetPage page =
      LayOutSheet(sheet, measure, kSheetPageWidth - kSheetMarginLeft - kSheetMarginRight,
                  kSheetPageHeight - kSheetMarginTop - kSheetMarginBottom);
  TSheetView view;
  view.json = "{\"title\":";
  AppendJsonString(view.json, kSheetTitle);
  view.json.append(",\"margins\":[");
  for (const double margin :
       {kSheetMarginTop, kSheetMarginRight, kSheetMarginBottom, kSheetMarginLeft}) {
    if (view.json.back() != '[') view.json.append(",");
    AppendJsonNumber(view.json, margin);
  }
  view.json.append("],\"scale\":");
  AppendJsonNumber(view.json, page.scale);
  view.json.append(",\"body\":");
  AppendItems(view.json, page.body);
  view.json.append(",\"footer\":");
  AppendItems(view.json, page.footer);
  view.json.append("}");
  for (const SheetItem& item : page.body) {
    if (const auto* chart = std::get_if<SheetChart>(&item)) {
      view.chartPng = ChartPng(sheet, chart->rect);
    }
  }
  return view;
}

}  // namespace gb
