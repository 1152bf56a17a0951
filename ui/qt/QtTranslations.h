// Qt's own translations for the user's language.
#pragma once

class QCoreApplication;
class QLocale;
class QString;

namespace gb {

// Loads Qt's translations of its own texts (file dialog, overwrite question, standard buttons)
// for `locale` from `folder` and installs them into `application`, which owns them from then on.
// The program's own texts are written in their one language and are not touched. Returns whether
// a translation was found; a locale Qt has none for simply keeps Qt's English.
bool InstallQtTranslations(QCoreApplication& application, const QLocale& locale,
                           const QString& folder);

// The same for the user's locale and the folder this Qt was installed with.
bool InstallQtTranslations(QCoreApplication& application);

}  // namespace gb
