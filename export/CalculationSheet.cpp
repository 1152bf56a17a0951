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

#include "export/ChartPainter.h"
#include "export/PdfFontNames.h"
#include "export/PdfTextMap.h"

namespace gb {

namespace {

const QColor kRule(128, 128, 128);
const QColor kHeaderFill(232, 232, 232);

// Latin letters and digits come from the first face, the Chinese texts from a Simplified Chinese
// one (the digits of the CJK faces lose their text in the PDF: shaping picks glyphs no
// character maps to).
QFont ToQFont(const SheetFont& f) {
  // The face the system gives for the window's font name, named as it is installed: a list of
  // families is taken literally, without the system's substitutions.
  static const QString latin = QFontInfo(QFont(QStringLiteral("Tahoma"))).family();
  QFont font;
  font.setFamilies({latin, QStringLiteral("Noto Sans CJK SC")});
  font.setPointSizeF(f.points);
  font.setBold(f.bold);
  return font;
}

QString Q(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

int FlowFlags(SheetFlow flow, bool cell) {
  switch (flow) {
    case SheetFlow::WordWrap:
      return Qt::TextWordWrap;
    case SheetFlow::WrapAnywhere:
      return Qt::TextWrapAnywhere;
    case SheetFlow::OneLine:
      return cell ? Qt::TextSingleLine : 0;
  }
  return 0;
}

int AlignFlags(SheetAlign align) {
  return align == SheetAlign::Left    ? Qt::AlignLeft
         : align == SheetAlign::Right ? Qt::AlignRight
                                      : Qt::AlignHCenter;
}

// Measures and draws in the device's own units; the sheet is given in millimetres.
class DeviceSheet : public SheetMeasure {
 public:
  explicit DeviceSheet(QPaintDevice& device) : device_(device), dpi_(device.logicalDpiX()) {}
  double Dev(double mm) const { return mm * dpi_ / 25.4; }
  double Mm(double dev) const { return dev * 25.4 / dpi_; }
  QRectF Dev(const SheetRect& r) const {
    return QRectF(Dev(r.x), Dev(r.y), Dev(r.width), Dev(r.height));
  }

  double WidthMm(const SheetFont& font, std::string_view utf8) const override {
    return Mm(QFontMetricsF(ToQFont(font), &device_).horizontalAdvance(Q(utf8)));
  }
  double LineMm(const SheetFont& font) const override {
    return Mm(QFontMetricsF(ToQFont(font), &device_).height());
  }
  double HeightMm(const SheetFont& font, double widthMm, std::string_view utf8,
                  SheetFlow flow) const override {
    const QFontMetricsF fm(ToQFont(font), &device_);
    if (utf8.empty()) return Mm(fm.height());
    const QRectF room(0, 0, Dev(widthMm), 1e9);
    const int flags = flow == SheetFlow::WrapAnywhere
                          ? Qt::AlignHCenter | Qt::AlignTop | Qt::TextWrapAnywhere
                          : FlowFlags(flow, false);
    return Mm(fm.boundingRect(room, flags, Q(utf8)).height());
  }

  void Paint(QPainter& p, const std::vector<SheetItem>& items, const ChartPlot& chart) const {
    for (const SheetItem& item : items) {
      std::visit([&](const auto& i) { Draw(p, i, chart); }, item);
    }
  }

 private:
  QPen Rule(double widthMm, bool black) const {
    QPen rule(black ? QColor(Qt::black) : kRule);
    rule.setWidthF(Dev(widthMm));
    return rule;
  }
  void Draw(QPainter& p, const SheetText& t, const ChartPlot&) const {
    p.setPen(Qt::black);
    p.setFont(ToQFont(t.font));
    const int vertical = t.cell ? Qt::AlignVCenter | Qt::TextDontClip : Qt::AlignTop;
    p.drawText(Dev(t.rect), AlignFlags(t.align) | vertical | FlowFlags(t.flow, t.cell), Q(t.utf8));
  }
  void Draw(QPainter& p, const SheetLine& l, const ChartPlot&) const {
    p.setPen(Rule(l.widthMm, l.black));
    p.drawLine(QPointF(Dev(l.x0), Dev(l.y0)), QPointF(Dev(l.x1), Dev(l.y1)));
  }
  void Draw(QPainter& p, const SheetCell& c, const ChartPlot&) const {
    const QRectF cell = Dev(c.rect);
    if (c.header) p.fillRect(cell, kHeaderFill);
    p.setPen(Rule(0.15, false));
    p.drawRect(cell);
  }
  void Draw(QPainter& p, const SheetChart& c, const ChartPlot& chart) const {
    // Chart pixels are 96-dpi pixels, scaled onto the page.
    const double scale = Dev(25.4) / kChartDpi;
    const QRectF where = Dev(c.rect);
    const QSize size(qRound(where.width() / scale), qRound(where.height() / scale));
    p.save();
    p.translate(where.topLeft());
    p.scale(scale, scale);
    p.setClipRect(QRect(QPoint(0, 0), size));
    PaintChart(p, chart, size, kChartDpi);
    p.restore();
  }

  QPaintDevice& device_;
  int dpi_;
};

}  // namespace

void PrepareSheetPages(QPagedPaintDevice& device) {
  device.setPageLayout(QPageLayout(
      QPageSize(QPageSize::A4), QPageLayout::Portrait,
      QMarginsF(kSheetMarginLeft, kSheetMarginTop, kSheetMarginRight, kSheetMarginBottom),
      QPageLayout::Millimeter));
}

int PaintCalculationSheet(QPagedPaintDevice& device, const CalculationSheet& sheet) {
  const DeviceSheet measure(device);
  const SheetPage page =
      LayOutSheet(sheet, measure, measure.Mm(device.width()), measure.Mm(device.height()));
  // Plotted once, however often the page was laid out.
  ChartPlot chart;
  PlotSheetChart(chart, sheet);

  QPainter p;
  if (!p.begin(&device)) return 0;
  p.setRenderHint(QPainter::Antialiasing);
  p.save();
  p.scale(page.scale, page.scale);
  measure.Paint(p, page.body, chart);
  p.restore();
  measure.Paint(p, page.footer, chart);
  return 1;
}

QByteArray CalculationSheetPdf(const CalculationSheet& sheet) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setResolution(1200);
    pdf.setTitle(QString::fromUtf8(kSheetTitle));
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
