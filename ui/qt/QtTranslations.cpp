#include "ui/qt/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace gb {

bool InstallQtTranslations(QCoreApplication& application, const QLocale& locale,
                           const QString& folder) {
  // "qtbase" holds the dialogs' texts; the catalog is looked up by the locale's UI languages, so
  // zh_CN finds qtbase_zh_CN and a bare "de_AT" falls back to qtbase_de.
  auto* translator = new QTranslator(&application);
  if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  return true;
}

bool InstallQtTranslations(QCoreApplication& application) {
  return InstallQtTranslations(application, QLocale::system(),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

}  // namespace gb
