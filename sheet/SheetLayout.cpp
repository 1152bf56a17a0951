#include "sheet/SheetLayout.h"

#include <algorithm>
#include <iterator>
#include <type_traits>

#include "engine/DesignResponse.h"
#include "sheet/SheetMethod.h"
#include "text/DecimalFormats.h"

namespace gb {

namespace {

// Type, in points, and the measures of the page's parts, in millimetres.
constexpr double kHeadingPoints = 16;
constexpr double kSectionPoints = 10;
constexpr double kBodyPoints = 8;
constexpr double kFooterPoints = 7.5;
constexpr double kMinTablePoints = 1;  // a table's type gets no smaller than this
constexpr double kFooterGap = 6;       // from the bottom of the text area down to the footer line
constexpr double kBlockGap = 2.5;
constexpr double kLineGap = 1.2;
constexpr double kCellPadding = 0.5;
constexpr double kChartHeight = 62;     // as drawn when everything fits
constexpr double kMinChartHeight = 40;  // the chart gets no lower than this before all shrinks
constexpr double kSiteTableWidth = 72;
constexpr double kSiteLevelWidth = 21;
constexpr double kFaTableWidth = 80;
constexpr double kBesideGap = 4;  // between a chart or a text and the table beside it

constexpr SheetFont kHeading{kHeadingPoints, true};
constexpr SheetFont kSection{kSectionPoints, true};
constexpr SheetFont kBody{kBodyPoints, false};
constexpr SheetFont kBodyBold{kBodyPoints, true};

using Items = std::vector<SheetItem>;

void Shift(SheetRect& r, double dx, double dy) {
  r.x += dx;
  r.y += dy;
}

// The items moved by (dx, dy) onto the end of `to`.
void Place(Items& to, const Items& items, double dx, double dy) {
  for (SheetItem item : items) {
    std::visit(
        [&](auto& i) {
          if constexpr (std::is_same_v<std::decay_t<decltype(i)>, SheetLine>) {
            i.x0 += dx;
            i.x1 += dx;
            i.y0 += dy;
            i.y1 += dy;
          } else {
            Shift(i.rect, dx, dy);
          }
        },
        item);
    to.push_back(std::move(item));
  }
}

SheetText TopText(SheetRect rect, SheetFont font, SheetAlign align, std::string utf8,
                  SheetFlow flow = SheetFlow::WordWrap) {
  return {rect, font, align, flow, false, std::move(utf8)};
}

// A table of text cells, one row per vector. Captions may wrap; numbers stay on one line, and a
// table whose numbers do not fit their columns gets a smaller type.
struct Table {
  std::vector<double> widths;
  std::vector<std::vector<std::string>> rows;
  bool headerRow = true;
  bool headerColumn = true;
  std::vector<SheetAlign> align;   // per column
  std::vector<bool> wraps;         // per column; none given: only the first column wraps
  double points = kBodyPoints;     // set by FitType
  std::vector<int> headerColumns;  // further columns drawn as headers (captions of pairs)

  bool Wraps(std::size_t column) const {
    return column < wraps.size() ? wraps[column] : column == 0;
  }
  bool IsHeader(std::size_t row, std::size_t column) const {
    if ((headerRow && row == 0) || (headerColumn && column == 0)) return true;
    return std::find(headerColumns.begin(), headerColumns.end(), static_cast<int>(column)) !=
           headerColumns.end();
  }
  SheetFont Font(bool bold) const { return {points, bold}; }

  // The largest type up to `basePoints` at which every one-line cell fits its column.
  void FitType(const SheetMeasure& m, double basePoints) {
    points = basePoints;
    double ratio = 1;
    for (std::size_t r = 0; r < rows.size(); ++r) {
      for (std::size_t c = 0; c < rows[r].size(); ++c) {
        if (Wraps(c)) continue;
        const double needed = m.WidthMm({basePoints, IsHeader(r, c)}, rows[r][c]);
        const double room = widths[c] - 2 * kCellPadding;
        if (needed > room && needed > 0) ratio = std::min(ratio, room / needed);
      }
    }
    // A little below the measured ratio: hinting may make the smaller type a touch wider.
    if (ratio < 1) points = std::max(kMinTablePoints, basePoints * ratio * 0.97);
  }

  std::vector<double> RowHeights(const SheetMeasure& m) const {
    std::vector<double> heights;
    for (std::size_t r = 0; r < rows.size(); ++r) {
      double h = 0;
      for (std::size_t c = 0; c < rows[r].size(); ++c) {
        const SheetFont font = Font(IsHeader(r, c));
        h = std::max(h, Wraps(c) ? m.HeightMm(font, widths[c] - 2 * kCellPadding, rows[r][c],
                                              SheetFlow::WordWrap)
                                 : m.LineMm(font));
      }
      heights.push_back(h + 2 * kCellPadding);
    }
    return heights;
  }

  double Height(const SheetMeasure& m) const {
    double sum = 0;
    for (const double v : RowHeights(m)) sum += v;
    return sum;
  }

  void Emit(Items& items, const SheetMeasure& m, double left, double top) const {
    const std::vector<double> heights = RowHeights(m);
    double y = top;
    for (std::size_t r = 0; r < rows.size(); ++r) {
      double x = left;
      for (std::size_t c = 0; c < rows[r].size(); ++c) {
        const SheetRect cell{x, y, widths[c], heights[r]};
        const bool header = IsHeader(r, c);
        items.push_back(SheetCell{cell, header});
        const SheetRect inside{x + kCellPadding, y + kCellPadding, widths[c] - 2 * kCellPadding,
                               heights[r] - 2 * kCellPadding};
        items.push_back(
            SheetText{inside, Font(header), c < align.size() ? align[c] : SheetAlign::Left,
                      Wraps(c) ? SheetFlow::WordWrap : SheetFlow::OneLine, true, rows[r][c]});
        x += widths[c];
      }
      y += heights[r];
    }
  }
};

// One piece of the sheet, laid out from its own top left corner.
struct Block {
  double height = 0;
  Items items;
};

Table GridTable(const SheetMeasure& m, const GridTexts& grid, double width) {
  Table t;
  constexpr double kFirst = 30;
  t.widths.push_back(kFirst);
  for (int c = 1; c < kGridColumns; ++c) t.widths.push_back((width - kFirst) / (kGridColumns - 1));
  t.align.assign(kGridColumns, SheetAlign::Right);
  t.align[0] = SheetAlign::Left;
  for (int row = 0; row < kGridRows; ++row) {
    std::vector<std::string> cells;
    for (int col = 0; col < kGridColumns; ++col) cells.push_back(grid.Cells(col, row));
    t.rows.push_back(std::move(cells));
  }
  t.FitType(m, kBodyPoints);
  return t;
}

// The inputs as caption and value pairs, two pairs to a row.
Table InputTable(const SheetMeasure& m, const std::vector<ReportInputLine>& inputs, double width) {
  Table t;
  constexpr double kValue = 24;
  const double caption = width / 2 - kValue;
  t.widths = {caption, kValue, caption, kValue};
  t.align = {SheetAlign::Left, SheetAlign::Right, SheetAlign::Left, SheetAlign::Right};
  t.wraps = {true, false, true, false};
  t.headerRow = false;
  t.headerColumns = {2};
  for (std::size_t i = 0; i < inputs.size(); i += 2) {
    std::vector<std::string> row = {inputs[i].caption, inputs[i].value, {}, {}};
    if (i + 1 < inputs.size()) {
      row[2] = inputs[i + 1].caption;
      row[3] = inputs[i + 1].value;
    }
    t.rows.push_back(std::move(row));
  }
  t.FitType(m, kBodyPoints);
  return t;
}

Table SiteTable(const SheetMeasure& m, const CalculationSheet& sheet) {
  Table t;
  const double valueWidth = (kSiteTableWidth - kSiteLevelWidth) / 3;
  t.widths = {kSiteLevelWidth, valueWidth, valueWidth, valueWidth};
  t.align = {SheetAlign::Left, SheetAlign::Right, SheetAlign::Right, SheetAlign::Right};
  t.rows.push_back({"水准", "A (g)", "Tg (s)", "平台值 (g)"});
  for (const SiteParameterRow& row : SiteParameterRows(sheet)) {
    t.rows.push_back({row.level, row.pga, row.period, row.platform});
  }
  t.FitType(m, kBodyPoints);
  return t;
}

Table FaTable(const SheetMeasure& m, const ParameterSet& p) {
  Table t;
  constexpr double kLevelWidth = 20;
  const double valueWidth = (kFaTableWidth - kLevelWidth) / kSiteClassCount;
  t.widths.assign(kSiteClassCount + 1, valueWidth);
  t.widths[0] = kLevelWidth;
  t.align.assign(kSiteClassCount + 1, SheetAlign::Right);
  t.align[0] = SheetAlign::Left;
  std::vector<std::string> header = {"Fa"};
  for (const char* label : kSiteClassLabels) header.push_back(label);
  t.rows.push_back(std::move(header));
  for (const SiteCoefficientRow& row : SiteCoefficientRows(p)) {
    std::vector<std::string> cells = {row.level};
    cells.insert(cells.end(), std::begin(row.fa), std::end(row.fa));
    t.rows.push_back(std::move(cells));
  }
  t.FitType(m, kBodyPoints);
  return t;
}

// A caption, the project's and site's names (lines to write on where none is given), the time
// and the program, over a rule.
Block HeadingBlock(const SheetMeasure& m, const CalculationSheet& sheet, double width) {
  const auto named = [](const char* caption, const std::string& name) {
    return caption + (name.empty() ? std::string("________________________") : SheetNameText(name));
  };
  const std::string project = named("工程名称：", sheet.project);
  const std::string site = named("场地名称：", sheet.siteName);
  const std::string both = project + "    " + site;
  std::vector<std::string> lines = {kSheetTitle, sheet.titleLine};
  // The two names share a line where it holds both, and take one each where it does not.
  if (m.WidthMm(kBody, both) <= width) {
    lines.push_back(both);
  } else {
    lines.insert(lines.end(), {project, site});
  }
  lines.push_back("计算时间：" + sheet.calculatedAt + "    程序版本：" + SheetProgramText());
  Block block;
  double y = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const SheetFont font = i == 0 ? kHeading : kBody;
    // A name without spaces breaks anywhere rather than run past the margins.
    const double h = m.HeightMm(font, width, lines[i], SheetFlow::WrapAnywhere);
    block.items.push_back(
        TopText({0, y, width, h}, font, SheetAlign::Centre, lines[i], SheetFlow::WrapAnywhere));
    y += h + (i == 0 ? 2 : kLineGap);
  }
  block.items.push_back(SheetLine{0, y - kLineGap / 2, width, y - kLineGap / 2, 0.3, false});
  block.height = y;
  return block;
}

Block CaptionedTable(const SheetMeasure& m, double width, const std::string& title,
                     SheetFont titleFont, const Table& table) {
  const double titleSpace = m.HeightMm(titleFont, width, title, SheetFlow::WordWrap) + kLineGap;
  Block block{titleSpace + table.Height(m), {}};
  block.items.push_back(TopText({0, 0, width, titleSpace}, titleFont, SheetAlign::Left, title));
  table.Emit(block.items, m, 0, titleSpace);
  return block;
}

// The design spectra of the sheet's site class beside that class's parameters.
Block SpectrumBlock(const SheetMeasure& m, const CalculationSheet& sheet, double width,
                    double chartHeight) {
  const std::string title =
      std::string("设计反应谱（场地类别 ") + kSiteClassLabels[sheet.siteClass] + "）";
  const double titleSpace = m.HeightMm(kSection, width, title, SheetFlow::WordWrap) + kLineGap;
  const Table t = SiteTable(m, sheet);
  const std::string note = "T0 = " + FormatGeneralDecimal(RiseEndPeriod) + " s";
  const double tableHeight = t.Height(m);
  const double noteHeight = m.HeightMm(kBody, kSiteTableWidth, note, SheetFlow::WordWrap);
  const double chartWidth = width - kSiteTableWidth - kBesideGap;
  Block block{titleSpace + std::max(chartHeight, tableHeight + kLineGap + noteHeight), {}};
  block.items.push_back(TopText({0, 0, width, titleSpace}, kSection, SheetAlign::Left, title));
  block.items.push_back(SheetChart{{0, titleSpace, chartWidth, chartHeight}});
  const double tableLeft = chartWidth + kBesideGap;
  t.Emit(block.items, m, tableLeft, titleSpace);
  block.items.push_back(
      TopText({tableLeft, titleSpace + tableHeight + kLineGap, kSiteTableWidth, noteHeight}, kBody,
              SheetAlign::Left, note));
  return block;
}

// How the numbers came about, with the coefficients Fa beside the text.
Block MethodBlock(const SheetMeasure& m, const CalculationSheet& sheet, double width) {
  const std::string title = "计算方法";
  const double titleSpace = m.HeightMm(kSection, width, title, SheetFlow::WordWrap) + kLineGap;
  const Table fa = FaTable(m, sheet.parameters);
  const double textWidth = width - kFaTableWidth - kBesideGap;
  std::string text;
  for (const std::string& line : SheetMethodLines(sheet.parameters)) {
    text += text.empty() ? line : "\n" + line;
  }
  const double textHeight = m.HeightMm(kBody, textWidth, text, SheetFlow::WordWrap);
  Block block{titleSpace + std::max(textHeight, fa.Height(m)), {}};
  block.items.push_back(TopText({0, 0, width, titleSpace}, kSection, SheetAlign::Left, title));
  block.items.push_back(
      TopText({0, titleSpace, textWidth, textHeight}, kBody, SheetAlign::Left, text));
  fa.Emit(block.items, m, textWidth + kBesideGap, titleSpace);
  return block;
}

// Who calculated, checked and approved: captions with lines to sign on.
Block SignOffBlock(const SheetMeasure& m, double width) {
  const double line = m.LineMm(kBody);
  Block block{3 + line, {}};
  const double third = width / std::size(kSignOffCaptions);
  const double baseline = 3 + line;
  for (std::size_t i = 0; i < std::size(kSignOffCaptions); ++i) {
    const double x = static_cast<double>(i) * third;
    const std::string caption = kSignOffCaptions[i] + std::string("：");
    block.items.push_back(
        TopText({x, baseline - line, third, line}, kBody, SheetAlign::Left, caption));
    const double from = x + m.WidthMm(kBody, caption) + 1;
    block.items.push_back(SheetLine{from, baseline, x + third - 6, baseline, 0.15, true});
  }
  return block;
}

std::vector<Block> SheetBlocks(const SheetMeasure& m, const CalculationSheet& sheet, double width,
                               double chartHeight) {
  std::vector<Block> blocks;
  blocks.push_back(HeadingBlock(m, sheet, width));
  blocks.push_back(
      CaptionedTable(m, width, "输入参数", kSection, InputTable(m, sheet.inputs, width)));
  for (const CaptionedGrid& grid : sheet.grids) {
    blocks.push_back(
        CaptionedTable(m, width, grid.caption, kBodyBold, GridTable(m, grid.grid, width)));
  }
  blocks.push_back(SpectrumBlock(m, sheet, width, chartHeight));
  blocks.push_back(MethodBlock(m, sheet, width));
  blocks.push_back(SignOffBlock(m, width));
  return blocks;
}

double TotalHeight(const std::vector<Block>& blocks) {
  double total = 0;
  for (const Block& b : blocks) total += b.height;
  return total + kBlockGap * static_cast<double>(blocks.size() - 1);
}

// The program and the standard at the left, the page count at the right, under a rule.
Items Footer(double width, double height) {
  const double top = height + kFooterGap - 3;
  const SheetFont font{kFooterPoints, false};
  const SheetRect line{0, top + 0.8, width, 5};
  return {SheetLine{0, top, width, top, 0.15, false},
          TopText(line, font, SheetAlign::Left, SheetProgramText() + "    " + kStandardName,
                  SheetFlow::OneLine),
          TopText(line, font, SheetAlign::Right, "第 1 页，共 1 页", SheetFlow::OneLine)};
}

}  // namespace

SheetPage LayOutSheet(const CalculationSheet& sheet, const SheetMeasure& measure, double widthMm,
                      double heightMm) {
  SheetPage page;
  std::vector<Block> blocks = SheetBlocks(measure, sheet, widthMm, kChartHeight);
  double total = TotalHeight(blocks);
  if (total > heightMm) {
    const double lower = std::max(kMinChartHeight, kChartHeight - (total - heightMm));
    blocks = SheetBlocks(measure, sheet, widthMm, lower);
    total = TotalHeight(blocks);
    for (int attempt = 0; attempt < 8 && total * page.scale > heightMm; ++attempt) {
      page.scale *= heightMm / (total * page.scale) * 0.99;
      blocks = SheetBlocks(measure, sheet, widthMm / page.scale, lower);
      total = TotalHeight(blocks);
    }
    // Whatever the texts, the page holds it all.
    if (total * page.scale > heightMm) page.scale = heightMm / total;
  }
  double y = 0;
  for (const Block& block : blocks) {
    Place(page.body, block.items, 0, y);
    y += block.height + kBlockGap;
  }
  page.footer = Footer(widthMm, heightMm);
  return page;
}

}  // namespace gb
