// The pictures carried as resources and the desktop entry installed beside the program.
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include "ui/qt/DesktopResources.h"

using namespace gb;

namespace {

int OpaquePixels(const QImage& image, QRgb colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      if (qAlpha(pixel) == 255 && (pixel & 0xFFFFFF) == (colour & 0xFFFFFF)) ++count;
    }
  }
  return count;
}

const QString kDesktopEntry = QStringLiteral(GB_SOURCE_DIR "/packaging/gb18306.desktop");

}  // namespace

class TestArtwork : public QObject {
  Q_OBJECT

 private slots:
  void logoIsATransparentPng() {
    const QImage logo = LogoImage();
    QCOMPARE(logo.size(), QSize(220, 171));
    QVERIFY(logo.hasAlphaChannel());
    // Transparent background, black letters, cyan outlines.
    QCOMPARE(qAlpha(logo.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(logo.pixel(219, 170)), 0);
    QVERIFY(OpaquePixels(logo, qRgb(0, 0, 0)) > 220 * 171 / 4);
    QVERIFY(OpaquePixels(logo, qRgb(0, 255, 255)) > 100);
  }

  void iconHasEverySize() {
    const QIcon icon = ApplicationIcon();
    QVERIFY(!icon.isNull());
    const QList<QSize> available = icon.availableSizes();
    QCOMPARE(available.size(), qsizetype(kApplicationIconSizes.size()));
    for (int size : kApplicationIconSizes) {
      QVERIFY2(available.contains(QSize(size, size)), qPrintable(QString::number(size)));
      const QImage image(ApplicationIconResource(size));
      QCOMPARE(image.size(), QSize(size, size));
      QVERIFY(image.hasAlphaChannel());
    }
  }

  // Valid, and it starts the installed program with the installed icon.
  void desktopEntry() {
    QFile file(kDesktopEntry);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    QVERIFY(lines.contains("Exec=gb18306") && lines.contains("Icon=gb18306"));
    const QString validator =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty()) QSKIP("desktop-file-validate is not installed");
    QProcess process;
    process.start(validator, {kDesktopEntry});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.readAllStandardOutput() + process.readAllStandardError(), QByteArray());
    QCOMPARE(process.exitCode(), 0);
  }
};

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
