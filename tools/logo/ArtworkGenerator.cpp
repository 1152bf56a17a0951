// Draws the About box logo and the application icon from vector text, so the committed PNG files
// can be made again on any machine with the same fonts. See README.md beside this file.
//
//   gb18306-artwork logo FILE   the 220 x 171 logo
//   gb18306-artwork icons DIR   DIR/NxN/gb18306.png for every icon size
#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QString>
#include <QStringList>
#include <QTransform>
#include <array>
#include <cstdio>

namespace {

constexpr std::array<int, 10> kIconSizes = {16, 24, 32, 48, 64, 72, 80, 96, 128, 256};

const QColor kInk(0, 0, 0);
const QColor kOutline(0, 255, 255);

// The first family installed wins. A fixed list keeps the pictures the same from run to run;
// the outlines are taken unhinted at one size and scaled, so only the glyph shapes matter.
QFont HeavyFont() {
  QFont font;
  font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                    QStringLiteral("Noto Sans CJK SC"), QStringLiteral("FreeSans")});
  font.setPixelSize(200);
  font.setWeight(QFont::Black);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setKerning(true);
  return font;
}

// The text's outline, thickened by `extraWeight` (in units of the 200-pixel font) and stretched
// to fill `box` exactly.
QPainterPath TextInBox(const QString& text, const QRectF& box, qreal extraWeight) {
  QPainterPath path;
  path.addText(0, 0, HeavyFont(), text);
  if (extraWeight > 0) {
    QPainterPathStroker stroker;
    stroker.setWidth(extraWeight);
    stroker.setJoinStyle(Qt::RoundJoin);
    stroker.setCapStyle(Qt::RoundCap);
    path = path.united(stroker.createStroke(path)).simplified();
  }
  const QRectF from = path.boundingRect();
  QTransform fit;
  fit.translate(box.left(), box.top());
  fit.scale(box.width() / from.width(), box.height() / from.height());
  fit.translate(-from.left(), -from.top());
  return fit.map(path);
}

void DrawGlyphs(QPainter& painter, const QPainterPath& glyphs, qreal outlineWidth) {
  painter.fillPath(glyphs, kInk);
  if (outlineWidth <= 0) return;
  QPen pen(kOutline, outlineWidth);
  pen.setJoinStyle(Qt::RoundJoin);
  painter.strokePath(glyphs, pen);
}

QImage NewCanvas(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

QImage DrawLogo() {
  QImage image = NewCanvas(220, 171);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  // "GB" large on the left, the year "20" over "15" to its right, the number below.
  DrawGlyphs(painter, TextInBox(QStringLiteral("GB"), QRectF(4, 5, 136, 94), 14), 1.5);
  DrawGlyphs(painter, TextInBox(QStringLiteral("20"), QRectF(149, 9, 64, 40), 10), 1.5);
  DrawGlyphs(painter, TextInBox(QStringLiteral("15"), QRectF(149, 57, 64, 40), 10), 1.5);
  DrawGlyphs(painter, TextInBox(QStringLiteral("18306"), QRectF(4, 111, 209, 55), 12), 1.5);
  painter.end();
  return image;
}

// The icon is drawn for each size rather than scaled down from the largest: small sizes get
// fewer, bolder shapes.
QImage DrawIcon(int size) {
  QImage image = NewCanvas(size, size);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal s = size;
  const qreal border = std::max<qreal>(1, s / 32);
  const QRectF tile(border / 2, border / 2, s - border, s - border);
  QLinearGradient fill(0, 0, 0, s);
  fill.setColorAt(0, QColor(255, 255, 255));
  fill.setColorAt(1, QColor(214, 244, 248));
  painter.setPen(QPen(QColor(0, 170, 190), border));
  painter.setBrush(fill);
  painter.drawRoundedRect(tile, s / 6, s / 6);

  const qreal outline = size >= 48 ? s / 96 : 0;
  if (size < 32) {
    DrawGlyphs(painter,
               TextInBox(QStringLiteral("GB"), QRectF(s * 0.14, s * 0.22, s * 0.72, s * 0.56), 24),
               0);
  } else {
    DrawGlyphs(painter,
               TextInBox(QStringLiteral("GB"), QRectF(s * 0.14, s * 0.12, s * 0.72, s * 0.46), 18),
               outline);
    DrawGlyphs(
        painter,
        TextInBox(QStringLiteral("18306"), QRectF(s * 0.12, s * 0.66, s * 0.76, s * 0.2), 10),
        outline);
  }
  painter.end();
  return image;
}

bool Save(const QImage& image, const QString& path) {
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
    std::fprintf(stderr, "cannot create the folder of %s\n", qPrintable(path));
    return false;
  }
  QImageWriter writer(path, "png");
  // The same bytes every time: no text chunks, a fixed compression level (quality 0 is the
  // strongest compression; the pixels are lossless either way).
  writer.setQuality(0);
  if (!writer.write(image.convertToFormat(QImage::Format_ARGB32))) {
    std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path),
                 qPrintable(writer.errorString()));
    return false;
  }
  return true;
}

int Usage() {
  std::fputs("usage: gb18306-artwork logo FILE | icons DIR\n", stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  // No display is needed, and the screen's resolution must not change anything.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() != 3) return Usage();
  const QString& target = args[2];
  if (args[1] == QLatin1String("logo")) return Save(DrawLogo(), target) ? 0 : 1;
  if (args[1] == QLatin1String("icons")) {
    for (int size : kIconSizes) {
      const QString file = QStringLiteral("%1/%2x%2/gb18306.png").arg(target).arg(size);
      if (!Save(DrawIcon(size), file)) return 1;
    }
    return 0;
  }
  return Usage();
}
