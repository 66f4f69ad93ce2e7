#include "corvane/app/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace corvane {

QStringList translationFolders() {
    const QString program = QCoreApplication::applicationDirPath();
    return {program + QStringLiteral("/translations"),
            QDir::cleanPath(program + QStringLiteral("/" CORVANE_TRANSLATIONS_FROM_PROGRAM))};
}

bool installTranslations(QCoreApplication& app, const QLocale& locale, const QStringList& folders) {
    // Qt's first, so that the program's own win where both have a text.
    auto* qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
    for (const QString& folder : folders) {
        auto* own = new QTranslator(&app);
        if (own->load(locale, QStringLiteral("corvane"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(own);
            return true;
        }
        delete own;
    }
    return false;
}

}  // namespace corvane
