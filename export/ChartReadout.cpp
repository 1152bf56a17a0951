#include "export/ChartReadout.h"

#include <QFont>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <array>

namespace gb {

namespace {

const QColor kMarker(64, 64, 64);
const QColor kFrame(128, 128, 128);
const QColor kBoxFill(255, 255, 255, 230);  // the grid and curves stay faintly visible behind

constexpr int kInset = 4;            // between the plot's edge and the box
constexpr int kMarkerClearance = 8;  // between the marker and the box beside it
constexpr int kPad = 4;              // between the box's frame and its texts
constexpr int kValueGap = 8;         // at least between a label and its value

// The chart's own text font, so the box reads like the legend beside it.
QFont ReadoutFont(bool bold) {
  QFont font(QStringLiteral("Verdana"), 8);
  font.setBold(bold);
  return font;
}

struct Metrics {
  QFontMetrics period;
  QFontMetrics curve;
};

Metrics MetricsOn(const QPaintDevice& device) {
  return {QFontMetrics(ReadoutFont(false), &device), QFontMetrics(ReadoutFont(true), &device)};
}

// Line 0 is the period, in the plain font; the curves' lines are bold like the legend.
const QFontMetrics& MetricsOf(const Metrics& m, std::size_t line) {
  return line == 0 ? m.period : m.curve;
}

int LineHeight(const Metrics& m) { return std::max(m.period.height(), m.curve.height()); }

QSize BoxSize(const Metrics& m, const ChartReadout& readout) {
  int width = 0;
  for (std::size_t i = 0; i < readout.lines.size(); ++i) {
    const ChartReadoutLine& line = readout.lines[i];
    const QFontMetrics& fm = MetricsOf(m, i);
    int w = fm.horizontalAdvance(line.label);
    if (!line.value.isEmpty()) w += kValueGap + fm.horizontalAdvance(line.value);
    width = std::max(width, w);
  }
  const int lines = static_cast<int>(readout.lines.size());
  return {width + 2 * kPad, lines * LineHeight(m) + 2 * kPad};
}

long long SquaredDistance(const QPoint& a, const QPoint& b) {
  const long long dx = a.x() - b.x(), dy = a.y() - b.y();
  return dx * dx + dy * dy;
}

}  // namespace

QRect PlaceReadoutBox(const QRect& plot, const QRect& legend, QSize box, int markerX) {
  const int left = plot.x() + kInset;
  const int right = plot.x() + plot.width() - kInset - box.width();
  const int top = plot.y() + kInset;
  const int bottom = plot.y() + plot.height() - kInset - box.height();
  const QRect topLeft(QPoint(left, top), box), topRight(QPoint(right, top), box);
  const QRect bottomLeft(QPoint(left, bottom), box), bottomRight(QPoint(right, bottom), box);
  const bool pointerLeft = markerX < plot.x() + plot.width() / 2;
  // The far side from the pointer first, then the near side; on each side the corner the legend
  // usually leaves free (bottom on the right, top on the left) first.
  const std::array<QRect, 4> corners =
      pointerLeft ? std::array<QRect, 4>{bottomRight, topRight, topLeft, bottomLeft}
                  : std::array<QRect, 4>{topLeft, bottomLeft, bottomRight, topRight};
  const QRect inner = plot.adjusted(kInset, kInset, -kInset, -kInset).adjusted(0, 0, 1, 1);
  auto free = [&](const QRect& r) { return inner.contains(r) && !r.intersects(legend); };
  // Clear by a margin where there is room for one: a box just beside the marker hides what the
  // eye follows along the curve.
  auto clearOfMarker = [&](const QRect& r, int margin) {
    return markerX < r.left() - margin || markerX > r.right() + margin;
  };
  // A corner the legend reaches into (a short plot) gives way sideways along its edge, towards
  // the middle of the plot and out of the legend's columns.
  auto besideLegend = [&](QRect r) {
    if (r.center().x() > plot.center().x()) {
      r.moveRight(legend.left() - kInset - 1);
    } else {
      r.moveLeft(legend.right() + kInset + 1);
    }
    return r;
  };
  // The far side first, whole corners before those that gave way, then the near side likewise:
  // a box on the pointer's own side sits over the very curves being read.
  std::vector<QRect> candidates;
  for (const std::size_t side : {std::size_t{0}, std::size_t{2}}) {
    for (std::size_t i = side; i < side + 2; ++i) candidates.push_back(corners[i]);
    for (std::size_t i = side; i < side + 2; ++i) {
      if (corners[i].intersects(legend)) candidates.push_back(besideLegend(corners[i]));
    }
  }
  const QRect* usable = nullptr;
  for (const int margin : {kMarkerClearance, 0}) {
    for (const QRect& candidate : candidates) {
      if (!free(candidate)) continue;
      if (clearOfMarker(candidate, margin)) return candidate;
      if (usable == nullptr) usable = &candidate;
    }
  }
  if (usable != nullptr) return *usable;  // covering the marker rather than the legend
  const QRect* farthest = &corners[0];
  long long best = -1;
  for (const QRect& corner : corners) {
    const long long d = SquaredDistance(corner.center(), legend.center());
    if (d > best) {
      best = d;
      farthest = &corner;
    }
  }
  return *farthest;
}

QRect ChartReadoutBox(const QPaintDevice& device, const QRect& plot, const QRect& legend,
                      const ChartReadout& readout) {
  return PlaceReadoutBox(plot, legend, BoxSize(MetricsOn(device), readout), readout.markerX);
}

QRect DrawChartReadout(QPainter& p, const QRect& plot, const QRect& legend,
                       const ChartReadout& readout) {
  const Metrics m = MetricsOn(*p.device());
  const QRect box = PlaceReadoutBox(plot, legend, BoxSize(m, readout), readout.markerX);
  p.save();
  p.setClipRect(plot.adjusted(0, 0, 1, 1));
  p.setPen(QPen(kMarker, 1, Qt::DashLine));
  p.drawLine(readout.markerX, plot.y(), readout.markerX, plot.y() + plot.height());

  p.setPen(QPen(kFrame, 1));
  p.setBrush(kBoxFill);
  p.drawRect(box.adjusted(0, 0, -1, -1));
  const int lineHeight = LineHeight(m);
  const int textLeft = box.x() + kPad;
  const int textRight = box.x() + box.width() - kPad;
  for (std::size_t i = 0; i < readout.lines.size(); ++i) {
    const ChartReadoutLine& line = readout.lines[i];
    p.setFont(ReadoutFont(i != 0));
    p.setPen(line.color);
    const QRect row(textLeft, box.y() + kPad + static_cast<int>(i) * lineHeight,
                    textRight - textLeft, lineHeight);
    constexpr int kLine = Qt::AlignVCenter | Qt::TextDontClip;
    p.drawText(row, Qt::AlignLeft | kLine, line.label);
    if (!line.value.isEmpty()) p.drawText(row, Qt::AlignRight | kLine, line.value);
  }
  p.restore();
  return box;
}

}  // namespace gb
