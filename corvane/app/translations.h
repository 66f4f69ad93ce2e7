// The program's texts in its user's language: its own translations and Qt's
// (the buttons of standard dialogs), chosen by the locale. English needs
// none: the texts in the code are the English ones.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace corvane {

// Where the program's translations are looked for, in this order: beside
// the program (a build folder), then in the data folder of the installation
// the program is part of.
QStringList translationFolders();

// Installs into `app` the program's translation for `locale` found first in
// `folders`, and Qt's own for the same language. True when the program's
// own was found.
bool installTranslations(QCoreApplication& app, const QLocale& locale, const QStringList& folders);

}  // namespace corvane
