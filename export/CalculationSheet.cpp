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

#include "engine/DesignResponse.h"
#include "export/PdfFontNames.h"
#include "export/PdfTextMap.h"
#include "text/DecimalFormats.h"

namespace gb {

namespace {

// Paper and type, in millimetres and points.
constexpr double kMarginLeft = 20, kMarginRight = 20, kMarginTop = 15, kMarginBottom = 20;
constexpr double kFooterGap = 6;  // from the bottom of the text area down to the footer line
constexpr double kBlockGap = 3;
constexpr double kCellPadding = 0.55;
constexpr double kHeadingPoints = 16;
constexpr double kSectionPoints = 10.5;
constexpr double kBodyPoints = 8.5;
constexpr double kChartHeight = 68;
constexpr double kSiteTableWidth = 72;
constexpr double kSiteLevelWidth = 21;
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

  // Height of `text` wrapped into `width`; long numbers wrap anywhere rather than overflow.
  double TextHeight(const QFont& font, double width, const QString& text) const {
    const QFontMetricsF fm(font, &device_);
    if (text.isEmpty()) return fm.height();
    return fm.boundingRect(QRectF(0, 0, width, 1e9), kWrap, text).height();
  }
  static constexpr int kWrap = Qt::TextWrapAnywhere;

 private:
  QPaintDevice& device_;
  int dpi_;
};

// A table of text cells: widths in device units, one row per vector.
struct Table {
  std::vector<double> widths;
  std::vector<std::vector<QString>> rows;
  bool headerRow = true;
  bool headerColumn = true;
  std::vector<int> align;  // per column

  std::vector<double> RowHeights(const Page& page, const QFont& font) const {
    std::vector<double> heights;
    const double pad = page.Mm(kCellPadding);
    for (const auto& row : rows) {
      double h = 0;
      for (std::size_t c = 0; c < row.size(); ++c) {
        h = std::max(h, page.TextHeight(font, widths[c] - 2 * pad, row[c]));
      }
      heights.push_back(h + 2 * pad);
    }
    return heights;
  }

  double Height(const Page& page, const QFont& font) const {
    const std::vector<double> h = RowHeights(page, font);
    double sum = 0;
    for (const double v : h) sum += v;
    return sum;
  }

  void Paint(QPainter& p, const Page& page, const QFont& font, const QFont& bold,
             QPointF topLeft) const {
    const std::vector<double> heights = RowHeights(page, font);
    const double pad = page.Mm(kCellPadding);
    QPen rule(kRule);
    rule.setWidthF(page.Mm(0.15));
    double y = topLeft.y();
    for (std::size_t r = 0; r < rows.size(); ++r) {
      double x = topLeft.x();
      for (std::size_t c = 0; c < rows[r].size(); ++c) {
        const QRectF cell(x, y, widths[c], heights[r]);
        const bool header = (headerRow && r == 0) || (headerColumn && c == 0);
        if (header) p.fillRect(cell, kHeaderFill);
        p.setPen(rule);
        p.drawRect(cell);
        p.setPen(Qt::black);
        p.setFont(header ? bold : font);
        const int alignment = c < align.size() ? align[c] : Qt::AlignLeft;
        p.drawText(cell.adjusted(pad, pad, -pad, -pad),
                   alignment | Qt::AlignVCenter | Page::kWrap | Qt::TextDontClip, rows[r][c]);
        x += widths[c];
      }
      y += heights[r];
    }
  }
};

// One piece of the sheet that is never split across pages.
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
  return t;
}

std::vector<Block> SheetBlocks(const Page& page, const CalculationSheet& sheet, double width) {
  const QFont heading = SheetFont(kHeadingPoints, true), section = SheetFont(kSectionPoints, true);
  const QFont body = SheetFont(kBodyPoints), bold = SheetFont(kBodyPoints, true);
  const double gap = page.Mm(1.5);
  std::vector<Block> blocks;

  // Heading, title line, time and program.
  {
    const QString lines[] = {QStringLiteral("地震动参数计算书"), Q(sheet.titleLine),
                             QStringLiteral("计算时间：") + Q(sheet.calculatedAt) +
                                 QStringLiteral("    程序版本：") + Q(SheetProgramText())};
    const QFont fonts[] = {heading, body, body};
    double heights[3];
    double total = 0;
    for (int i = 0; i < 3; ++i) {
      heights[i] = page.TextHeight(fonts[i], width, lines[i]);
      total += heights[i] + (i == 0 ? page.Mm(2.5) : gap);
    }
    blocks.push_back({total, [=, &page](QPainter& p, QPointF at) {
                        double y = at.y();
                        for (int i = 0; i < 3; ++i) {
                          p.setFont(fonts[i]);
                          p.setPen(Qt::black);
                          p.drawText(QRectF(at.x(), y, width, heights[i]),
                                     Qt::AlignHCenter | Qt::AlignTop | Page::kWrap, lines[i]);
                          y += heights[i] + (i == 0 ? page.Mm(2.5) : gap);
                        }
                        QPen rule(kRule);
                        rule.setWidthF(page.Mm(0.3));
                        p.setPen(rule);
                        p.drawLine(QPointF(at.x(), y - gap / 2),
                                   QPointF(at.x() + width, y - gap / 2));
                      }});
  }

  // A title line with the gap below it.
  auto titleHeight = [&](const QFont& font, const QString& title) {
    return page.TextHeight(font, width, title) + gap;
  };
  auto captionedTable = [&](const QString& title, const QFont& titleFont, Table table) {
    const double titleSpace = titleHeight(titleFont, title);
    const double tableHeight = table.Height(page, body);
    blocks.push_back({titleSpace + tableHeight, [=, &page](QPainter& p, QPointF at) {
                        p.setFont(titleFont);
                        p.setPen(Qt::black);
                        p.drawText(QRectF(at.x(), at.y(), width, titleSpace),
                                   Qt::AlignLeft | Qt::AlignTop | Page::kWrap, title);
                        table.Paint(p, page, body, bold, at + QPointF(0, titleSpace));
                      }});
  };

  // Inputs, as the report writes them.
  {
    Table t;
    t.widths = {width - page.Mm(45), page.Mm(45)};
    t.align = {Qt::AlignLeft, Qt::AlignRight};
    t.headerRow = false;
    t.headerColumn = false;
    for (const ReportInputLine& input : sheet.inputs)
      t.rows.push_back({Q(input.caption), Q(input.value)});
    captionedTable(QStringLiteral("输入参数"), section, std::move(t));
  }

  // The three result tables with their grid captions.
  for (std::size_t i = 0; i < sheet.grids.size(); ++i) {
    captionedTable(Q(sheet.grids[i].caption), bold, GridTable(page, sheet.grids[i].grid, width));
  }

  // The spectra as the chart draws them, beside the parameters of that site class.
  {
    const QString title = QStringLiteral("设计反应谱（场地类别 ") +
                          Q(kSiteClassLabels[sheet.siteClass]) + QStringLiteral("）");
    const double titleSpace = titleHeight(section, title);
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
    const QString note =
        QStringLiteral("T0 = ") + Q(FormatGeneralDecimal(RiseEndPeriod)) + QStringLiteral(" s");
    const double tableHeight = t.Height(page, body);
    const double noteHeight = page.TextHeight(body, page.Mm(kSiteTableWidth), note);
    const double chartHeight = page.Mm(kChartHeight);
    const double chartWidth = width - page.Mm(kSiteTableWidth) - page.Mm(4);
    const double height = titleSpace + std::max(chartHeight, tableHeight + gap + noteHeight);
    const ChartPlot* chart = sheet.chart;
    blocks.push_back({height, [=, &page](QPainter& p, QPointF at) {
                        p.setFont(section);
                        p.setPen(Qt::black);
                        p.drawText(QRectF(at.x(), at.y(), width, titleSpace),
                                   Qt::AlignLeft | Qt::AlignTop | Page::kWrap, title);
                        const QPointF chartAt = at + QPointF(0, titleSpace);
                        if (chart != nullptr) {
                          // Chart pixels are 96-dpi pixels, scaled onto the page.
                          const double scale = page.Mm(25.4) / kChartDpi;
                          const QSize size(qRound(chartWidth / scale), qRound(chartHeight / scale));
                          p.save();
                          p.translate(chartAt);
                          p.scale(scale, scale);
                          p.setClipRect(QRect(QPoint(0, 0), size));
                          chart->Draw(p, size, kChartDpi);
                          p.restore();
                        }
                        const QPointF tableAt = chartAt + QPointF(chartWidth + page.Mm(4), 0);
                        t.Paint(p, page, body, bold, tableAt);
                        p.setFont(body);
                        p.setPen(Qt::black);
                        p.drawText(QRectF(tableAt.x(), tableAt.y() + tableHeight + gap,
                                          page.Mm(kSiteTableWidth), noteHeight),
                                   Qt::AlignLeft | Qt::AlignTop, note);
                      }});
  }
  return blocks;
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
  const std::vector<Block> blocks = SheetBlocks(page, sheet, width);

  // First which block goes on which page, so the footer can name the page count.
  std::vector<int> pageOf;
  int pages = 1;
  double y = 0;
  for (const Block& b : blocks) {
    if (y > 0 && y + b.height > height) {
      ++pages;
      y = 0;
    }
    pageOf.push_back(pages);
    y += b.height + page.Mm(kBlockGap);
  }

  QPainter p;
  if (!p.begin(&device)) return 0;
  p.setRenderHint(QPainter::Antialiasing);
  const QFont footer = SheetFont(7.5);
  auto paintFooter = [&](int number) {
    p.setFont(footer);
    p.setPen(Qt::black);
    const double top = height + page.Mm(kFooterGap) - page.Mm(3);
    QPen rule(kRule);
    rule.setWidthF(page.Mm(0.15));
    p.setPen(rule);
    p.drawLine(QPointF(0, top), QPointF(width, top));
    p.setPen(Qt::black);
    const QRectF line(0, top + page.Mm(0.8), width, page.Mm(5));
    p.drawText(line, Qt::AlignLeft | Qt::AlignTop, Q(SheetProgramText()));
    p.drawText(line, Qt::AlignRight | Qt::AlignTop,
               QStringLiteral("第 %1 页，共 %2 页").arg(number).arg(pages));
  };
  int current = 1;
  y = 0;
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    if (pageOf[i] != current) {
      paintFooter(current);
      device.newPage();
      current = pageOf[i];
      y = 0;
    }
    blocks[i].paint(p, QPointF(0, y));
    y += blocks[i].height + page.Mm(kBlockGap);
  }
  paintFooter(current);
  return pages;
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
