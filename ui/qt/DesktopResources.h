// What the status bar and the About box draw with: the logo and the application icon carried
// inside the program, and the designed fonts.
#pragma once

#include <QFont>
#include <QIcon>
#include <QImage>
#include <QString>
#include <array>

namespace gb {

// The sizes the application icon comes in, each drawn for its size.
inline constexpr std::array<int, 10> kApplicationIconSizes = {16, 24, 32, 48,  64,
                                                              72, 80, 96, 128, 256};

inline const QString kLogoResource = QStringLiteral(":/gb18306/logo.png");
// ":/gb18306/icons/NxN/gb18306.png"
QString ApplicationIconResource(int size);

// The About box logo, 220 x 171 with a transparent background, decoded from its PNG.
QImage LogoImage();

// Every size of the application icon, for QApplication::setWindowIcon.
QIcon ApplicationIcon();

// The designed family at a pixel size (8 pt is 11 pixels at 96 dots per inch, 9 pt 12, 12 pt 16).
// Where that family is not installed, a face of about its width comes next rather than
// whatever fontconfig picks, so that captions fit the designed pane and label widths.
QFont DesignedFont(const QString& family, int pixelSize, bool bold);

}  // namespace gb
