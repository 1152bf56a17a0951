#include "export/CalculationSheet.h"

#include <QBuffer>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <functional>
#include <memory>

#include "chart/ResponseChart.h"
#include "engine/DesignResponse.h"
#include "export/ChartPainter.h"
#include "export/PdfFontNames.h"
#include "export/PdfTextMap.h"
#include "export/SheetMethod.h"
#include "text/DecimalFormats.h"

namespace gb {

namespace {

// Paper and type, in millimetres and points.
constexpr double kMarginLeft = 20, kMarginRight = 20, kMarginTop = 15, kMarginBottom = 20;
constexpr double kFooterGap = 6;  // from the bottom of the text area down to the footer line
constexpr double kBlockGap = 2.5;
constexpr double kCellPadding = 0.5;
constexpr double kHeadingPoints = 16;
constexpr double kSectionPoints = 10;
constexpr double kBodyPoints = 8;
constexpr double kChartHeight = 62;     // as drawn when everything fits
constexpr double kMinChartHeight = 40;  // the chart gets no lower than this before all shrinks
constexpr double kSiteTableWidth = 72;
constexpr double kSiteLevelWidth = 21;
constexpr double kFaTableWidth = 80;
constexpr double kMinTablePoints = 1;  // a table's type gets no smaller than this
const QColor kRule(128, 128, 128);
const QColor kHeaderFill(232, 232, 232);

// Latin letters and digits come from the first face, the Chinese texts from a Simplified Chinese
// one (the digits of the CJK faces lose their text in the PDF: shaping picks glyphs no
// character maps to).
QFont SheetFont(double points, bool bold = false) {
  // The face the system gives for the window's font name, named as it is installed: a list of
  // families is taken literally, without the system's substitutions.
  static const QString latin = QFontInfo(QFont(QStringLiteral("Tahoma"))).family();
  QFont font;
  font.setFamilies({latin, QStringLiteral("Noto Sans CJK SC")});
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }

// Measures and draws in the device's own units; everything the sheet places is given in mm.
class Page {
 public:
  explicit Page(QPaintDevice& device) : device_(device), dpi_(device.logicalDpiX()) {}
  double Mm(double mm) const { return mm * dpi_ / 25.4; }
  QPaintDevice& Device() const { return device_; }

  // Height of `text` word-wrapped into `width` (Chinese breaks between any two characters).
  double TextHeight(const QFont& font, double width, const QString& text) const {
    const QFontMetricsF fm(font, &device_);
    if (text.isEmpty()) return fm.height();
    return fm.boundingRect(QRectF(0, 0, width, 1e9), kWrap, text).height();
  }
  double TextWidth(const QFont& font, const QString& text) const {
    return QFontMetricsF(font, &device_).horizontalAdvance(text);
  }
  static constexpr int kWrap = Qt::TextWordWrap;

 private:
  QPaintDevice& device_;
  int dpi_;
};

// A table of text cells: widths in device units, one row per vector. Captions may wrap; numbers
// stay on one line, and a table whose numbers do not fit their columns gets a smaller type.
struct Table {
  std::vector<double> widths;
  std::vector<std::vector<QString>> rows;
  bool headerRow = true;
  bool headerColumn = true;
  std::vector<int> align;          // per column
  std::vector<bool> wraps;         // per column; none given: only the first column wraps
  double points = kBodyPoints;     // set by FitType
  std::vector<int> headerColumns;  // further columns drawn as headers (captions of pairs)

  bool Wraps(std::size_t column) const {
    return column < wraps.size() ? wraps[column] : column == 0;
  }
  bool IsHeader(std::size_t row, std::size_t column) const {
    if ((headerRow && row == 0) || (headerColumn && column == 0)) return true;
    for (const int c : headerColumns) {
      if (static_cast<std::size_t>(c) == column) return true;
    }
    return false;
  }
  QFont Font(bool bold = false) const { return SheetFont(points, bold); }

  // The largest type up to `points` at which every one-line cell fits its column.
  void FitType(const Page& page, double basePoints) {
    points = basePoints;
    const double pad = page.Mm(kCellPadding);
    double ratio = 1;
    for (std::size_t r = 0; r < rows.size(); ++r) {
      for (std::size_t c = 0; c < rows[r].size(); ++c) {
        if (Wraps(c)) continue;
        const double needed = page.TextWidth(SheetFont(basePoints, IsHeader(r, c)), rows[r][c]);
        const double room = widths[c] - 2 * pad;
        if (needed > room && needed > 0) ratio = std::min(ratio, room / needed);
      }
    }
    // A little below the measured ratio: hinting may make the smaller type a touch wider.
    if (ratio < 1) points = std::max(kMinTablePoints, basePoints * ratio * 0.97);
  }

  std::vector<double> RowHeights(const Page& page) const {
    std::vector<double> heights;
    const double pad = page.Mm(kCellPadding);
    for (std::size_t r = 0; r < rows.size(); ++r) {
      double h = 0;
      for (std::size_t c = 0; c < rows[r].size(); ++c) {
        const QFont font = Font(IsHeader(r, c));
        h = std::max(h, Wraps(c) ? page.TextHeight(font, widths[c] - 2 * pad, rows[r][c])
                                 : QFontMetricsF(font, &page.Device()).height());
      }
      heights.push_back(h + 2 * pad);
    }
    return heights;
  }

  double Height(const Page& page) const {
    double sum = 0;
    for (const double v : RowHeights(page)) sum += v;
    return sum;
  }

  void Paint(QPainter& p, const Page& page, QPointF topLeft) const {
    const std::vector<double> heights = RowHeights(page);
    const double pad = page.Mm(kCellPadding);
    QPen rule(kRule);
    rule.setWidthF(page.Mm(0.15));
    double y = topLeft.y();
    for (std::size_t r = 0; r < rows.size(); ++r) {
      double x = topLeft.x();
      for (std::size_t c = 0; c < rows[r].size(); ++c) {
        const QRectF cell(x, y, widths[c], heights[r]);
        const bool header = IsHeader(r, c);
        if (header) p.fillRect(cell, kHeaderFill);
        p.setPen(rule);
        p.drawRect(cell);
        p.setPen(Qt::black);
        p.setFont(Font(header));
        const int alignment = c < align.size() ? align[c] : Qt::AlignLeft;
        const int flow = Wraps(c) ? Page::kWrap : Qt::TextSingleLine;
        p.drawText(cell.adjusted(pad, pad, -pad, -pad),
                   alignment | Qt::AlignVCenter | flow | Qt::TextDontClip, rows[r][c]);
        x += widths[c];
      }
      y += heights[r];
    }
  }
};

// One piece of the sheet, painted at its top left corner.
struct Block {
  double height = 0;
  std::function<void(QPainter&, QPointF)> paint;
};

Table GridTable(const Page& page, const GridTexts& grid, double width) {
  Table t;
  const double first = page.Mm(30);
  t.widths.push_back(first);
  for (int c = 1; c < kGridColumns; ++c) t.widths.push_back((width - first) / (kGridColumns - 1));
  t.align.assign(kGridColumns, Qt::AlignRight);
  t.align[0] = Qt::AlignLeft;
  for (int row = 0; row < kGridRows; ++row) {
    std::vector<QString> cells;
    for (int col = 0; col < kGridColumns; ++col) cells.push_back(Q(grid.Cells(col, row)));
    t.rows.push_back(std::move(cells));
  }
  t.FitType(page, kBodyPoints);
  return t;
}

// The inputs as caption and value pairs, two pairs to a row.
Table InputTable(const Page& page, const std::vector<ReportInputLine>& inputs, double width) {
  Table t;
  const double value = page.Mm(24);
  const double caption = width / 2 - value;
  t.widths = {caption, value, caption, value};
  t.align = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignLeft, Qt::AlignRight};
  t.wraps = {true, false, true, false};
  t.headerRow = false;
  t.headerColumns = {2};
  for (std::size_t i = 0; i < inputs.size(); i += 2) {
    std::vector<QString> row = {Q(inputs[i].caption), Q(inputs[i].value), QString(), QString()};
    if (i + 1 < inputs.size()) {
      row[2] = Q(inputs[i + 1].caption);
      row[3] = Q(inputs[i + 1].value);
    }
    t.rows.push_back(std::move(row));
  }
  t.FitType(page, kBodyPoints);
  return t;
}

Table SiteTable(const Page& page, const CalculationSheet& sheet) {
  Table t;
  const double levelWidth = page.Mm(kSiteLevelWidth);
  const double valueWidth = (page.Mm(kSiteTableWidth) - levelWidth) / 3;
  t.widths = {levelWidth, valueWidth, valueWidth, valueWidth};
  t.align = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight, Qt::AlignRight};
  t.rows.push_back({QStringLiteral("水准"), QStringLiteral("A (g)"), QStringLiteral("Tg (s)"),
                    QStringLiteral("平台值 (g)")});
  for (const SiteParameterRow& row : SiteParameterRows(sheet)) {
    t.rows.push_back({Q(row.level), Q(row.pga), Q(row.period), Q(row.platform)});
  }
  t.FitType(page, kBodyPoints);
  return t;
}

Table FaTable(const Page& page, const ParameterSet& p) {
  Table t;
  const double levelWidth = page.Mm(20);
  const double valueWidth = (page.Mm(kFaTableWidth) - levelWidth) / kSiteClassCount;
  t.widths.assign(kSiteClassCount + 1, valueWidth);
  t.widths[0] = levelWidth;
  t.align.assign(kSiteClassCount + 1, Qt::AlignRight);
  t.align[0] = Qt::AlignLeft;
  std::vector<QString> header = {QStringLiteral("Fa")};
  for (const char* label : kSiteClassLabels) header.push_back(Q(label));
  t.rows.push_back(std::move(header));
  for (const SiteCoefficientRow& row : SiteCoefficientRows(p)) {
    std::vector<QString> cells = {Q(row.level)};
    for (const std::string& fa : row.fa) cells.push_back(Q(fa));
    t.rows.push_back(std::move(cells));
  }
  t.FitType(page, kBodyPoints);
  return t;
}

// The sheet's fonts and its common measures.
struct SheetStyle {
  const Page& page;
  double width;
  QFont heading = SheetFont(kHeadingPoints, true);
  QFont section = SheetFont(kSectionPoints, true);
  QFont body = SheetFont(kBodyPoints);
  QFont bold = SheetFont(kBodyPoints, true);
  double gap = page.Mm(1.2);

  void Text(QPainter& p, const QFont& font, QRectF where, int alignment,
            const QString& text) const {
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(where, alignment | Qt::AlignTop | Page::kWrap, text);
  }
};

// A caption, the project's and site's names (lines to write on where none is given), the time
// and the program.
Block HeadingBlock(const SheetStyle& s, const CalculationSheet& sheet) {
  const Page& page = s.page;
  const double width = s.width;
  const auto named = [](const char* caption, const std::string& name) {
    return QString::fromUtf8(caption) +
           (name.empty() ? QStringLiteral("________________________") : Q(SheetNameText(name)));
  };
  const QString project = named("工程名称：", sheet.project);
  const QString site = named("场地名称：", sheet.siteName);
  const QString both = project + QStringLiteral("    ") + site;
  std::vector<QString> lines = {QStringLiteral("地震动参数计算书"), Q(sheet.titleLine)};
  // The two names share a line where it holds both, and take one each where it does not.
  if (page.TextWidth(s.body, both) <= width) {
    lines.push_back(both);
  } else {
    lines.insert(lines.end(), {project, site});
  }
  lines.push_back(QStringLiteral("计算时间：") + Q(sheet.calculatedAt) +
                  QStringLiteral("    程序版本：") + Q(SheetProgramText()));
  // A name without spaces breaks anywhere rather than run past the margins.
  constexpr int kFlow = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWrapAnywhere;
  std::vector<double> heights;
  double total = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const QFont& font = i == 0 ? s.heading : s.body;
    heights.push_back(QFontMetricsF(font, &page.Device())
                          .boundingRect(QRectF(0, 0, width, 1e9), kFlow, lines[i])
                          .height());
    total += heights.back() + (i == 0 ? page.Mm(2) : s.gap);
  }
  return {total, [=, &page](QPainter& p, QPointF at) {
            double y = at.y();
            p.setPen(Qt::black);
            for (std::size_t i = 0; i < lines.size(); ++i) {
              p.setFont(i == 0 ? s.heading : s.body);
              p.drawText(QRectF(at.x(), y, width, heights[i]), kFlow, lines[i]);
              y += heights[i] + (i == 0 ? page.Mm(2) : s.gap);
            }
            QPen rule(kRule);
            rule.setWidthF(page.Mm(0.3));
            p.setPen(rule);
            p.drawLine(QPointF(at.x(), y - s.gap / 2), QPointF(at.x() + width, y - s.gap / 2));
          }};
}

Block CaptionedTable(const SheetStyle& s, const QString& title, const QFont& titleFont,
                     Table table) {
  const double titleSpace = s.page.TextHeight(titleFont, s.width, title) + s.gap;
  const double height = titleSpace + table.Height(s.page);
  return {height, [=](QPainter& p, QPointF at) {
            s.Text(p, titleFont, QRectF(at.x(), at.y(), s.width, titleSpace), Qt::AlignLeft, title);
            table.Paint(p, s.page, at + QPointF(0, titleSpace));
          }};
}

// The design spectra of the sheet's site class beside that class's parameters.
Block SpectrumBlock(const SheetStyle& s, const CalculationSheet& sheet,
                    std::shared_ptr<const ChartPlot> chart, double chartHeightMm) {
  const Page& page = s.page;
  const QString title = QStringLiteral("设计反应谱（场地类别 ") +
                        Q(kSiteClassLabels[sheet.siteClass]) + QStringLiteral("）");
  const double titleSpace = page.TextHeight(s.section, s.width, title) + s.gap;
  const Table t = SiteTable(page, sheet);
  const QString note =
      QStringLiteral("T0 = ") + Q(FormatGeneralDecimal(RiseEndPeriod)) + QStringLiteral(" s");
  const double tableHeight = t.Height(page);
  const double noteHeight = page.TextHeight(s.body, page.Mm(kSiteTableWidth), note);
  const double chartHeight = page.Mm(chartHeightMm);
  const double chartWidth = s.width - page.Mm(kSiteTableWidth) - page.Mm(4);
  const double height = titleSpace + std::max(chartHeight, tableHeight + s.gap + noteHeight);
  return {height, [=, &page](QPainter& p, QPointF at) {
            s.Text(p, s.section, QRectF(at.x(), at.y(), s.width, titleSpace), Qt::AlignLeft, title);
            const QPointF chartAt = at + QPointF(0, titleSpace);
            // Chart pixels are 96-dpi pixels, scaled onto the page.
            const double scale = page.Mm(25.4) / kChartDpi;
            const QSize size(qRound(chartWidth / scale), qRound(chartHeight / scale));
            p.save();
            p.translate(chartAt);
            p.scale(scale, scale);
            p.setClipRect(QRect(QPoint(0, 0), size));
            PaintChart(p, *chart, size, kChartDpi);
            p.restore();
            const QPointF tableAt = chartAt + QPointF(chartWidth + page.Mm(4), 0);
            t.Paint(p, page, tableAt);
            s.Text(p, s.body,
                   QRectF(tableAt.x(), tableAt.y() + tableHeight + s.gap, page.Mm(kSiteTableWidth),
                          noteHeight),
                   Qt::AlignLeft, note);
          }};
}

// How the numbers came about, with the coefficients Fa beside the text.
Block MethodBlock(const SheetStyle& s, const CalculationSheet& sheet) {
  const Page& page = s.page;
  const QString title = QStringLiteral("计算方法");
  const double titleSpace = page.TextHeight(s.section, s.width, title) + s.gap;
  const Table fa = FaTable(page, sheet.parameters);
  const double faWidth = page.Mm(kFaTableWidth);
  const double textWidth = s.width - faWidth - page.Mm(4);
  QStringList lines;
  for (const std::string& line : SheetMethodLines(sheet.parameters)) lines << Q(line);
  const QString text = lines.join(QLatin1Char('\n'));
  const double textHeight = page.TextHeight(s.body, textWidth, text);
  const double height = titleSpace + std::max(textHeight, fa.Height(page));
  return {height, [=, &page](QPainter& p, QPointF at) {
            s.Text(p, s.section, QRectF(at.x(), at.y(), s.width, titleSpace), Qt::AlignLeft, title);
            const QPointF below = at + QPointF(0, titleSpace);
            s.Text(p, s.body, QRectF(below.x(), below.y(), textWidth, textHeight), Qt::AlignLeft,
                   text);
            fa.Paint(p, page, below + QPointF(textWidth + page.Mm(4), 0));
          }};
}

// Who calculated, checked and approved: captions with lines to sign on.
Block SignOffBlock(const SheetStyle& s) {
  const Page& page = s.page;
  const double line = QFontMetricsF(s.body, &page.Device()).height();
  const double height = page.Mm(3) + line;
  return {height, [=, &page](QPainter& p, QPointF at) {
            const double third = s.width / std::size(kSignOffCaptions);
            const double baseline = at.y() + page.Mm(3) + line;
            QPen rule(Qt::black);
            rule.setWidthF(page.Mm(0.15));
            for (std::size_t i = 0; i < std::size(kSignOffCaptions); ++i) {
              const double x = at.x() + i * third;
              const QString caption = Q(kSignOffCaptions[i]) + QStringLiteral("：");
              s.Text(p, s.body, QRectF(x, baseline - line, third, line), Qt::AlignLeft, caption);
              const double from = x + page.TextWidth(s.body, caption) + page.Mm(1);
              p.setPen(rule);
              p.drawLine(QPointF(from, baseline), QPointF(x + third - page.Mm(6), baseline));
            }
          }};
}

std::vector<Block> SheetBlocks(const Page& page, const CalculationSheet& sheet,
                               const std::shared_ptr<const ChartPlot>& chart, double width,
                               double chartHeightMm) {
  const SheetStyle s{page, width};
  std::vector<Block> blocks;
  blocks.push_back(HeadingBlock(s, sheet));
  blocks.push_back(CaptionedTable(s, QStringLiteral("输入参数"), s.section,
                                  InputTable(page, sheet.inputs, width)));
  for (const CaptionedGrid& grid : sheet.grids) {
    blocks.push_back(CaptionedTable(s, Q(grid.caption), s.bold, GridTable(page, grid.grid, width)));
  }
  blocks.push_back(SpectrumBlock(s, sheet, chart, chartHeightMm));
  blocks.push_back(MethodBlock(s, sheet));
  blocks.push_back(SignOffBlock(s));
  return blocks;
}

double TotalHeight(const Page& page, const std::vector<Block>& blocks) {
  double total = 0;
  for (const Block& b : blocks) total += b.height;
  return total + page.Mm(kBlockGap) * static_cast<double>(blocks.size() - 1);
}

// The blocks laid out to fit the page, and the scale the painter draws them at: first the chart
// gets lower, then, where that is not enough, everything is drawn smaller (and laid out wider in
// proportion, so it still spans the page).
struct FittedSheet {
  std::vector<Block> blocks;
  double scale = 1;
};

FittedSheet FitToPage(const Page& page, const CalculationSheet& sheet, double width,
                      double height) {
  FittedSheet fitted;
  // Plotted once, however often the blocks are laid out.
  auto plotted = std::make_shared<ChartPlot>();
  PlotSheetChart(*plotted, sheet);
  const std::shared_ptr<const ChartPlot> chart = std::move(plotted);
  fitted.blocks = SheetBlocks(page, sheet, chart, width, kChartHeight);
  double total = TotalHeight(page, fitted.blocks);
  if (total <= height) return fitted;
  const double lower = std::max(
      kMinChartHeight, kChartHeight - (total - height) * 25.4 / page.Device().logicalDpiY());
  fitted.blocks = SheetBlocks(page, sheet, chart, width, lower);
  total = TotalHeight(page, fitted.blocks);
  for (int attempt = 0; attempt < 8 && total * fitted.scale > height; ++attempt) {
    fitted.scale *= height / (total * fitted.scale) * 0.99;
    fitted.blocks = SheetBlocks(page, sheet, chart, width / fitted.scale, lower);
    total = TotalHeight(page, fitted.blocks);
  }
  // Whatever the texts, the page holds it all.
  if (total * fitted.scale > height) fitted.scale = height / total;
  return fitted;
}

}  // namespace

std::vector<ReportInputLine> SheetInputLines(std::string_view pgaItemText,
                                             std::string_view tgZoneItemText,
                                             const ParameterSet& p) {
  std::vector<ReportInputLine> lines = ReportInputLines(pgaItemText, tgZoneItemText, p);
  ReportInputLine& betaMax = lines.back();
  if (betaMax.caption.ends_with("(s)")) betaMax.caption.resize(betaMax.caption.size() - 3);
  return lines;
}

CalculationSheet MakeCalculationSheet(const ParameterSet& p, int siteClass,
                                      std::string calculatedAt, std::string project,
                                      std::string siteName) {
  CalculationSheet sheet;
  sheet.titleLine = ReportTitleLine();
  sheet.calculatedAt = std::move(calculatedAt);
  sheet.project = std::move(project);
  sheet.siteName = std::move(siteName);
  sheet.inputs = SheetInputLines(kPgaZoneItems[p.FPgaZoneIndex], kTgZoneItems[p.FTgZoneIndex], p);
  for (const ResultGrid grid : {ResultGrid::Pga, ResultGrid::Period, ResultGrid::Platform}) {
    sheet.grids.push_back({ResultGridCaption(grid), MakeResultGrid(grid, p)});
  }
  sheet.parameters = p;
  sheet.siteClass = siteClass;
  return sheet;
}

void PlotSheetChart(ChartPlot& chart, const CalculationSheet& sheet) {
  AddSpectrumSeries(chart);
  PlotSpectrumSeries(chart, sheet.parameters, sheet.siteClass);
  chart.FixBottomAxis({0, SamplePeriod(SpectrumPointCount - 1)});
  chart.SetPlainLegend(true);
}

std::string SheetProgramText() { return std::string("gb18306 ") + GB18306_VERSION; }

std::vector<SiteParameterRow> SiteParameterRows(const CalculationSheet& sheet) {
  std::vector<SiteParameterRow> rows;
  const int col = sheet.siteClass + 1;
  for (int row = 1; row < kGridRows; ++row) {
    auto cell = [&](std::size_t grid) {
      return grid < sheet.grids.size() ? sheet.grids[grid].grid.Cells(col, row) : std::string();
    };
    rows.push_back({kLevelLabels[row - 1], cell(0), cell(1), cell(2)});
  }
  return rows;
}

void PrepareSheetPages(QPagedPaintDevice& device) {
  device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(kMarginLeft, kMarginTop, kMarginRight, kMarginBottom),
                                   QPageLayout::Millimeter));
}

int PaintCalculationSheet(QPagedPaintDevice& device, const CalculationSheet& sheet) {
  const Page page(device);
  const double width = device.width();
  const double height = device.height();
  const FittedSheet fitted = FitToPage(page, sheet, width, height);

  QPainter p;
  if (!p.begin(&device)) return 0;
  p.setRenderHint(QPainter::Antialiasing);
  p.save();
  p.scale(fitted.scale, fitted.scale);
  double y = 0;
  for (const Block& block : fitted.blocks) {
    block.paint(p, QPointF(0, y));
    y += block.height + page.Mm(kBlockGap);
  }
  p.restore();

  const QFont footer = SheetFont(7.5);
  const double top = height + page.Mm(kFooterGap) - page.Mm(3);
  QPen rule(kRule);
  rule.setWidthF(page.Mm(0.15));
  p.setPen(rule);
  p.drawLine(QPointF(0, top), QPointF(width, top));
  p.setFont(footer);
  p.setPen(Qt::black);
  const QRectF line(0, top + page.Mm(0.8), width, page.Mm(5));
  p.drawText(line, Qt::AlignLeft | Qt::AlignTop,
             Q(SheetProgramText()) + QStringLiteral("    ") + Q(kStandardName));
  p.drawText(line, Qt::AlignRight | Qt::AlignTop, QStringLiteral("第 1 页，共 1 页"));
  return 1;
}

QByteArray CalculationSheetPdf(const CalculationSheet& sheet) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setResolution(1200);
    pdf.setTitle(QStringLiteral("地震动参数计算书"));
    pdf.setCreator(Q(SheetProgramText()));
    PrepareSheetPages(pdf);
    PaintCalculationSheet(pdf, sheet);
  }
  FinishSheetPdf(bytes);
  return bytes;
}

void FinishSheetPdf(QByteArray& pdf) {
  RepairPdfTextMaps(pdf);
  TagSubsetFontNames(pdf);
}

}  // namespace gb
