#include "ui/qt/ShellOpen.h"

#include <QDesktopServices>
#include <QUrl>

namespace gb {

void ShellOpenWebAddress(const QString& address) {
  QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

}  // namespace gb
