// Its user's language: with a German, French or Spanish locale the window,
// the strength meter, the outcome, the control's boxes, the help page and
// the words on the pictures speak it, from the translations the build made; the control's own words are
// still what the window goes by.
#include <QTextBrowser>
#include <QTranslator>

#include "corvane/app/help_window.h"
#include "corvane/app/password_meter.h"
#include "corvane/app/translations.h"
#include "gui/desktop_fixture.h"
#include "resources/resource_paths.h"

namespace corvane::testing {
namespace {

class Language : public DesktopTest {
protected:
    // As the program does at start with this locale.
    void speak(const QString& name) {
        QLocale::setDefault(QLocale(name));
        ASSERT_TRUE(installTranslations(*QCoreApplication::instance(), QLocale(name),
                                        {QStringLiteral(CORVANE_TRANSLATIONS_DIR)}))
            << name.toStdString();
    }

    void speakEnglish() {
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QLocale::setDefault(english_);
    }

    void TearDown() override { speakEnglish(); }

    QString plainFile() {
        folder.folder("Documents");
        const QString path = scratch("Documents/notes.txt");
        writeAll(path, "notes");
        return path;
    }

private:
    QLocale english_;  // the locale the tests run in
};

TEST_F(Language, TheWindowSpeaksTheLanguageOfTheLocale) {
    const struct {
        const char* locale;
        const char* selectFile;
        const char* encrypt;
        const char* weak;  // the meter on "correct horse"
        const char* encrypted;
        const char* invalidPassword;  // the control's box
        const char* wrongPassword;
    } cases[] = {
        {"de_DE", "Datei wählen", "Verschlüsseln", "Schwach: Zum Erraten bräuchte eine Grafikkarte weniger als eine Sekunde.",
         "notes.txt ist verschlüsselt.", "Ungültiges Passwort!!!", "Falsches Passwort: Nichts wurde geändert."},
        {"fr_FR", "Choisir un fichier", "Chiffrer",
         "Faible\u00a0: il faudrait moins d’une seconde à une carte graphique pour le deviner.", "notes.txt est chiffré.",
         "Mot de passe non valide\u00a0!!!", "Mot de passe incorrect\u00a0: rien n’a été modifié."},
        {"es_ES", "Elegir archivo", "Cifrar", "Débil: una tarjeta gráfica tardaría menos de un segundo en adivinarla.",
         "notes.txt está cifrado.", "¡¡¡Contraseña no válida!!!", "Contraseña incorrecta: no se cambió nada."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        speak(QString::fromLatin1(c.locale));
        auto window = mainWindow();
        EXPECT_EQ(window->selectFileButton()->text(), QString::fromUtf8(c.selectFile));
        const QString file = plainFile();
        chooseFiles(*window, {file});
        EXPECT_EQ(window->encDecButton()->text(), QString::fromUtf8(c.encrypt));
        QTest::keyClicks(window->passwordBox(), QStringLiteral("correct horse"));
        EXPECT_EQ(window->strengthMeter()->text(), QString::fromUtf8(c.weak));

        runWith(*window, QStringLiteral("a long password"));
        EXPECT_EQ(window->statusLine()->toPlainText(), QString::fromUtf8(c.encrypted));
        // The window knows a wrong password by the control's own words, and
        // shows the control's box in the user's.
        runWith(*window, QStringLiteral("another password"));
        const std::vector<ShownBox> boxes = desktop.takeShownBoxes();
        ASSERT_EQ(boxes.size(), 1U);
        EXPECT_EQ(boxes[0].text, QString::fromUtf8(c.invalidPassword));
        // (The status line gives French no-break spaces back as spaces.)
        EXPECT_EQ(window->statusLine()->toPlainText(),
                  QString::fromUtf8(c.wrongPassword).replace(QChar::Nbsp, QLatin1Char(' ')));
        window.reset();
        speakEnglish();
        QFile::remove(file);
    }
}

TEST_F(Language, TheHelpPageAndTheWordsOnThePicturesAreInTheLanguageOfTheLocale) {
    const QImage englishBanner(resources::bitmap(103));
    const QImage englishSplash(resources::bitmap2x(102));
    const struct {
        const char* locale;
        const char* title;
        bool english;
    } cases[] = {
        {"de_DE", "Ardentis-Hilfe", false},
        {"fr_FR", "Aide d’Ardentis", false},
        {"es_ES", "Ayuda de Ardentis", false},
        {"en_US", "Ardentis Help", true},
        {"it_IT", "Ardentis Help", true},  // no translation: English
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        QLocale::setDefault(QLocale(QString::fromLatin1(c.locale)));
        // The banner and the splash say "Password file encryption" in it.
        EXPECT_EQ(QImage(resources::bitmap(103)) == englishBanner, c.english);
        EXPECT_EQ(QImage(resources::bitmap2x(102)) == englishSplash, c.english);
        QFile::remove(helpFile());
        startUp();  // writes the page where the settings say
        const QString page = QString::fromUtf8(readAll(helpFile()));
        EXPECT_TRUE(page.contains(QStringLiteral("<h1>%1</h1>").arg(QString::fromUtf8(c.title))));
        HelpWindow help(nullptr);
        help.showPage(scratch("no such page.html"));  // the program's own copy
        EXPECT_EQ(help.windowTitle(), QString::fromUtf8(c.title));
        speakEnglish();
    }
}

}  // namespace
}  // namespace corvane::testing
