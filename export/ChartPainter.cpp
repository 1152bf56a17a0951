#include "export/ChartPainter.h"

#include <QLinearGradient>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QString>

namespace gb {

namespace {

QFont ChartFace(bool bold) {
  QFont font(QStringLiteral("Verdana"), 8);
  font.setBold(bold);
  return font;
}

// The points of the fonts become `fontDpi` pixels per inch whatever the device's own resolution.
QFont ScaledFor(QFont font, const QPaintDevice& device, int fontDpi) {
  const int deviceDpi = device.logicalDpiY();
  if (deviceDpi > 0 && deviceDpi != fontDpi) {
    font.setPointSizeF(font.pointSizeF() * fontDpi / deviceDpi);
  }
  return font;
}

QColor ToQColor(ChartColour c) { return QColor(c.r, c.g, c.b, c.a); }
QRect ToQRect(const ChartRect& r) { return QRect(r.x, r.y, r.width, r.height); }

QPen ToQPen(const ChartPen& pen, const QPainter& p) {
  QPen q(ToQColor(pen.colour), pen.width, pen.dashed ? Qt::DashLine : Qt::SolidLine,
         pen.flatCap ? Qt::FlatCap : Qt::SquareCap);
  if (pen.hairline) q.setCosmetic(!p.deviceTransform().isScaling());
  return q;
}

int AlignmentOf(TextAlign align) {
  const int horizontal = align == TextAlign::Left    ? Qt::AlignLeft
                         : align == TextAlign::Right ? Qt::AlignRight
                                                     : Qt::AlignHCenter;
  // Never cut a glyph should a device's rendering come out a fraction wider than its metrics.
  return horizontal | Qt::AlignVCenter | Qt::TextDontClip;
}

struct CommandPainter {
  QPainter& p;
  const QtChartFonts& fonts;

  // Unchanged state is not set again: vector outputs would open a new group for each setting.
  void Use(const QPen& pen) const {
    if (p.pen() != pen) p.setPen(pen);
  }
  void Use(const QBrush& brush) const {
    if (p.brush() != brush) p.setBrush(brush);
  }
  void Use(const QFont& font) const {
    if (p.font() != font) p.setFont(font);
  }

  void operator()(const GradientCommand& c) const {
    QLinearGradient gradient(0, c.fromY, 0, c.toY);
    for (const GradientStop& stop : c.stops) gradient.setColorAt(stop.at, ToQColor(stop.colour));
    p.fillRect(ToQRect(c.rect), gradient);
  }
  void operator()(const LineCommand& c) const {
    Use(ToQPen(c.pen, p));
    p.drawLine(c.from.x, c.from.y, c.to.x, c.to.y);
  }
  void operator()(const PolylineCommand& c) const {
    QPolygonF line;
    line.reserve(static_cast<qsizetype>(c.points.size()));
    for (const ChartPointF& point : c.points) line.append(QPointF(point.x, point.y));
    Use(ToQPen(c.pen, p));
    p.drawPolyline(line);
  }
  void operator()(const RectCommand& c) const {
    Use(ToQPen(c.pen, p));
    Use(c.filled ? QBrush(ToQColor(c.fill)) : QBrush(Qt::NoBrush));
    p.drawRect(ToQRect(c.rect));
    Use(QBrush(Qt::NoBrush));  // polylines and texts after it are never filled
  }
  void operator()(const TextCommand& c) const {
    Use(fonts.Font(c.font));
    Use(QPen(ToQColor(c.colour)));
    const QString text = QString::fromUtf8(c.utf8.data(), static_cast<qsizetype>(c.utf8.size()));
    if (!c.rising) {
      p.drawText(ToQRect(c.rect), AlignmentOf(c.align), text);
      return;
    }
    p.save();
    p.translate(c.origin.x, c.origin.y);
    p.rotate(-90);
    p.drawText(ToQRect(c.rect), AlignmentOf(c.align), text);
    p.restore();
  }
  // A clip lasts until the list lifts it, and lifting it brings back the painter's own.
  void operator()(const ClipCommand& c) const {
    if (c.none) {
      p.restore();
    } else {
      p.save();
      p.setClipRect(ToQRect(c.rect));
    }
  }
};

}  // namespace

int QtTextMeasure::Width(std::string_view utf8) const {
  return fm_.horizontalAdvance(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

QtChartFonts::QtChartFonts(const QPaintDevice& device, int fontDpi)
    : plain_(ScaledFor(ChartFace(false), device, fontDpi)),
      bold_(ScaledFor(ChartFace(true), device, fontDpi)),
      plainMeasure_(QFontMetrics(plain_, &device)),
      boldMeasure_(QFontMetrics(bold_, &device)) {}

const TextMeasure& QtChartFonts::Measure(ChartFont font) const {
  return font == ChartFont::Bold ? boldMeasure_ : plainMeasure_;
}

QSize ToQSize(ChartSize size) { return {size.width, size.height}; }
ChartSize ToChartSize(QSize size) { return {size.width(), size.height()}; }

void PaintDisplayList(QPainter& painter, const DisplayList& list, const QtChartFonts& fonts) {
  painter.save();
  const CommandPainter paint{painter, fonts};
  for (const ChartCommand& command : list) std::visit(paint, command);
  painter.restore();
}

void PaintChart(QPainter& painter, const ChartPlot& plot, QSize size, int fontDpi) {
  const QtChartFonts fonts(*painter.device(), fontDpi);
  DisplayList list;
  plot.Draw(list, ToChartSize(size), fonts);
  PaintDisplayList(painter, list, fonts);
}

}  // namespace gb
