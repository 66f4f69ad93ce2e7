// Saves a picture of Corvane's main window as the program draws it, for the
// documentation: on a dark palette, or at the scale QT_SCALE_FACTOR sets.
//
//   corvane_window_picture OUTPUT.png [--dark] [FILE]
//
// Start-up runs as in the program, so HOME and the XDG folders should point
// at a scratch folder. FILE, when given, is selected and a password typed.
#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QTextStream>
#include <exception>

#include "corvane/app/loading_form.h"
#include "corvane/app/main_window.h"
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
    if (arguments.isEmpty() || arguments.size() > 2) {
        return fail(QStringLiteral("usage: corvane_window_picture OUTPUT.png [--dark] [FILE]"));
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
        if (arguments.size() == 2) {
            window.fileChosen(arguments.at(1));
            window.passwordBox()->setText(QStringLiteral("correct horse"));
        }
        QApplication::processEvents();
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
