// Saves a picture of Corvane's main window as the program draws it, for the
// documentation: on a dark palette, at the scale QT_SCALE_FACTOR sets, with
// a suggested password, after a run, or in another language.
//
//   corvane_window_picture OUTPUT.png [--dark] [--suggest] [--run PASSWORD] [--language LOCALE] [FILE...]
//
// Start-up runs as in the program, so HOME and the XDG folders should point
// at a scratch folder. The FILEs, when given, are selected and a password
// typed ("correct horse"); --suggest presses Suggest instead; --run runs
// the files with PASSWORD, confirmed when asked, and the picture shows how
// the run ended. --language speaks the language of LOCALE (de_DE, say), as
// the program does on a desktop set to it.
#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QTextStream>
#include <QToolButton>
#include <exception>

#include "corvane/app/confirm_password_dialog.h"
#include "corvane/app/loading_form.h"
#include "corvane/app/main_window.h"
#include "corvane/app/translations.h"
#include "corvane/sound/sound_module.h"
#include "support/dark_palette.h"
#include "support/scripted_desktop.h"

namespace {

class Silence final : public corvane::CuePlayer {
public:
    bool playWaveResource(int) override { return true; }
};

int fail(const QString& message) {
    QTextStream(stderr) << "corvane_window_picture: " << message << '\n';
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    const bool dark = arguments.removeAll(QStringLiteral("--dark")) > 0;
    const bool suggest = arguments.removeAll(QStringLiteral("--suggest")) > 0;
    QString runPassword;
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--run")); at >= 0 && at + 1 < arguments.size()) {
        runPassword = arguments.at(at + 1);
        arguments.remove(at, 2);
    }
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--language")); at >= 0 && at + 1 < arguments.size()) {
        const QLocale locale(arguments.at(at + 1));
        arguments.remove(at, 2);
        QLocale::setDefault(locale);
        if (!corvane::installTranslations(app, locale, {QStringLiteral(CORVANE_TRANSLATIONS_DIR)})) {
            return fail(QStringLiteral("no translation for ") + locale.name());
        }
    }
    if (arguments.isEmpty()) {
        return fail(QStringLiteral("usage: corvane_window_picture OUTPUT.png [--dark] [--suggest] [--run PASSWORD] "
                                   "[--language LOCALE] [FILE...]"));
    }
    if (dark) {
        QApplication::setPalette(corvane::testing::darkPalette());
    }
    try {
        Silence silence;
        corvane::testing::ScriptedDesktop desktop;
        corvane::LoadingForm splash(nullptr, desktop);
        corvane::MainWindow window(splash.folders().iniFile, silence, desktop);
        window.show();
        const QStringList files = arguments.mid(1);
        window.filesChosen(files);
        if (!runPassword.isEmpty()) {
            window.passwordBox()->setText(runPassword);
            window.encDecClicked();
            if (corvane::ConfirmPasswordDialog* confirm = window.confirmDialog(); confirm != nullptr && confirm->isVisible()) {
                confirm->againBox()->setText(runPassword);
                confirm->accept();  // the run, to its end
            }
        } else if (suggest) {
            window.suggestButton()->click();
        } else if (!files.isEmpty()) {
            window.passwordBox()->setText(QStringLiteral("correct horse"));
        }
        for (int i = 0; i < 3; ++i) {
            QApplication::processEvents();  // the layout settles (a scroll bar that came with the outcome, say)
        }
        const QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (!image.save(arguments.at(0), "PNG")) {
            return fail(QStringLiteral("could not write %1").arg(arguments.at(0)));
        }
        QTextStream(stdout) << arguments.at(0) << ' ' << image.width() << 'x' << image.height() << '\n';
    } catch (const std::exception& e) {
        return fail(QString::fromUtf8(e.what()));
    }
    return 0;
}
