// Chart images: their type, size and what they show.
#include <gtest/gtest.h>

#include <QImage>
#include <regex>

#include "TestSupport.h"
#include "chart/ResponseChart.h"
#include "export/ChartImage.h"

namespace gb {
namespace {

using namespace test;

TEST(ChartImage, LargeImagesDrawTheChartLarger) {
  EXPECT_EQ(ChartScaleFor({1200, 800}), 2.0);
  EXPECT_EQ(ChartScaleFor({900, 600}), 1.5);
  EXPECT_EQ(ChartScaleFor({448, 198}), 1.0);
  EXPECT_EQ(ChartScaleFor({3000, 400}), 1.0);  // the narrower way decides
}

struct Spectra {
  Spectra() {
    AddSpectrumSeries(chart);
    PlotSpectrumSeries(chart, DefaultParameters(), scII);
  }
  ChartPlot chart;
};

// Polylines of more than `points` points drawn in `colour`: the curves, not the legend's samples.
int CurvesIn(const std::string& svg, const std::string& colour, int points = 20) {
  int curves = 0;
  const std::regex group("<g [^>]*stroke=\"" + colour + "\"[^>]*>([\\s\\S]*?)</g>");
  for (std::sregex_iterator g(svg.begin(), svg.end(), group), end; g != end; ++g) {
    const std::string body = (*g)[1];
    const std::regex polyline("<polyline[^>]*points=\"([^\"]*)\"");
    for (std::sregex_iterator p(body.begin(), body.end(), polyline); p != end; ++p) {
      const std::string list = (*p)[1];
      curves += std::count(list.begin(), list.end(), ',') > points;
    }
  }
  return curves;
}

const char* const kColours[] = {"#008000", "#ff0000", "#0000ff", "#000000"};

TEST(ChartImage, SvgHasTheViewBoxAndFourCurvesInTheirColours) {
  Spectra s;
  const QByteArray bytes = ChartImageBytes(s.chart, {900, 600}, ChartImageFormat::Svg);
  const std::string svg(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  EXPECT_NE(svg.find("viewBox=\"0 0 900 600\""), std::string::npos);
  for (const char* colour : kColours) EXPECT_GE(CurvesIn(svg, colour), 1) << colour;
  EXPECT_NE(svg.find("T (s)"), std::string::npos);
  EXPECT_NE(svg.find("Sa (g)"), std::string::npos);

  // A hidden curve stays hidden; its legend row stays.
  s.chart.Toggle(lvBasic);
  const QByteArray hidden = ChartSvgBytes(s.chart, {900, 600}, 1.5);
  const std::string svg2(hidden.constData(), static_cast<std::size_t>(hidden.size()));
  EXPECT_EQ(CurvesIn(svg2, "#ff0000"), 0);
  EXPECT_NE(svg2.find("基本地震动"), std::string::npos);
}

int Pixels(const QImage& image, QColor colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour.rgb();
  return n;
}

TEST(ChartImage, PngHasTheAskedSizeAndShowsTheCurrentView) {
  Spectra s;
  const QByteArray png = ChartImageBytes(s.chart, {1200, 800}, ChartImageFormat::Png);
  QImage image;
  ASSERT_TRUE(image.loadFromData(png, "PNG"));
  EXPECT_EQ(image.size(), QSize(1200, 800));
  for (const QColor c : {QColor(0, 128, 0), QColor(255, 0, 0), QColor(0, 0, 255)})
    EXPECT_GT(Pixels(image, c), 200) << c.name().toStdString();

  // Zoomed onto the platform of the basic curve: the frequent curve (below 0.05 g) is gone, only
  // its legend row is left.
  const QImage whole = ChartImage(s.chart, {600, 400}, 1);
  s.chart.FixBottomAxis({0.1, 0.3});
  s.chart.FixLeftAxis({0.1, 0.2});
  QImage zoomed;
  ASSERT_TRUE(zoomed.loadFromData(ChartPngBytes(s.chart, {600, 400}, 1), "PNG"));
  EXPECT_GT(Pixels(zoomed, Qt::red), 100);
  EXPECT_LT(Pixels(zoomed, QColor(0, 128, 0)), Pixels(whole, QColor(0, 128, 0)) / 2);
}

}  // namespace
}  // namespace gb
