#include "ui/web/SheetView.h"

#include <cmath>

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

// `,"key":value`.
void Field(std::string& out, const char* key, double value) {
  out.append(",\"").append(key).append("\":");
  AppendJsonNumber(out, value);
}
void Flag(std::string& out, const char* key, bool value) {
  out.append(",\"").append(key).append("\":").append(value ? "true" : "false");
}

void AppendRect(std::string& out, const SheetRect& r) {
  Field(out, "x", r.x);
  Field(out, "y", r.y);
  Field(out, "w", r.width);
  Field(out, "h", r.height);
}

struct ItemJson {
  std::string& out;
  void operator()(const SheetText& t) const {
    out.append("{\"kind\":\"text\"");
    AppendRect(out, t.rect);
    Field(out, "points", t.font.points);
    Flag(out, "bold", t.font.bold);
    Field(out, "align", static_cast<int>(t.align));
    Field(out, "flow", static_cast<int>(t.flow));
    Flag(out, "cell", t.cell);
    out.append(",\"text\":");
    AppendJsonString(out, t.utf8);
    out.append("}");
  }
  void operator()(const SheetLine& l) const {
    out.append("{\"kind\":\"line\"");
    Field(out, "x0", l.x0);
    Field(out, "y0", l.y0);
    Field(out, "x1", l.x1);
    Field(out, "y1", l.y1);
    Field(out, "width", l.widthMm);
    Flag(out, "black", l.black);
    out.append("}");
  }
  void operator()(const SheetCell& c) const {
    out.append("{\"kind\":\"cell\"");
    AppendRect(out, c.rect);
    Flag(out, "header", c.header);
    out.append("}");
  }
  void operator()(const SheetChart& c) const {
    out.append("{\"kind\":\"chart\"");
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
  return PngOnPage(chart,
                   {static_cast<int>(std::lround(place.width / kMmPerChartPixel)),
                    static_cast<int>(std::lround(place.height / kMmPerChartPixel))},
                   kSheetChartScale);
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
  Field(view.json, "width", kSheetPageWidth);
  Field(view.json, "height", kSheetPageHeight);
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
