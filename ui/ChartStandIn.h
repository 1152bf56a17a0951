// Stand-in for the spectrum chart until the charting component is wired in: a plain widget whose
// series only hold their points. It offers the operations the window relies on (AddSeries,
// Series, Clear, AddXY, Count, Active) under the charting component's names, so that replacing
// it is a matter of the one alias in Unit1.h.
#pragma once

#include <QColor>
#include <QPointF>
#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

namespace gb {

class TChartSeriesStandIn {
 public:
  TChartSeriesStandIn(const QString& title, const QColor& color) : title_(title), color_(color) {}

  void Clear() { points_.clear(); }
  void AddXY(double x, double y) { points_.emplace_back(x, y); }
  int Count() const { return static_cast<int>(points_.size()); }
  bool Active() const { return true; }
  double XValue(int i) const { return points_[static_cast<std::size_t>(i)].x(); }
  double YValue(int i) const { return points_[static_cast<std::size_t>(i)].y(); }
  const QString& Title() const { return title_; }
  const QColor& Color() const { return color_; }

 private:
  QString title_;
  QColor color_;
  std::vector<QPointF> points_;
};

class TChartStandIn : public QWidget {
 public:
  explicit TChartStandIn(QWidget* parent = nullptr) : QWidget(parent) {}

  TChartSeriesStandIn* AddSeries(const QString& title, const QColor& color) {
    series_.push_back(std::make_unique<TChartSeriesStandIn>(title, color));
    return series_.back().get();
  }
  TChartSeriesStandIn* Series(int index) {
    return index >= 0 && index < SeriesCount() ? series_[static_cast<std::size_t>(index)].get()
                                               : nullptr;
  }
  int SeriesCount() const { return static_cast<int>(series_.size()); }

 private:
  std::vector<std::unique_ptr<TChartSeriesStandIn>> series_;
};

}  // namespace gb
