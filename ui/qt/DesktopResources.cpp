#include "ui/qt/DesktopResources.h"

// The resources sit in a static library: nothing would pull their object file into the program
// unless something calls its initialiser, and Q_INIT_RESOURCE must be used outside a namespace.
static void InitDesktopResources() { Q_INIT_RESOURCE(desktop); }

namespace gb {

namespace {

void EnsureResources() {
  static const bool done = (InitDesktopResources(), true);
  (void)done;
}

}  // namespace

QString ApplicationIconResource(int size) {
  return QStringLiteral(":/gb18306/icons/%1x%1/gb18306.png").arg(size);
}

QImage LogoImage() {
  EnsureResources();
  return QImage(kLogoResource, "PNG");
}

QFont DesignedFont(const QString& family, int pixelSize, bool bold) {
  QFont font;
  font.setFamilies(
      {family, QStringLiteral("Noto Sans CJK SC"), QStringLiteral("DejaVu Sans Condensed")});
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

QIcon ApplicationIcon() {
  EnsureResources();
  QIcon icon;
  for (int size : kApplicationIconSizes)
    icon.addFile(ApplicationIconResource(size), QSize(size, size));
  return icon;
}

}  // namespace gb
