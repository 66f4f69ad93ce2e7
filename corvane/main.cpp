// Corvane: one file, one password, one button.
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>
#include <cstring>
#include <exception>
#include <iostream>
#include <memory>

#include "corvane/app/branding.h"
#include "corvane/app/loading_form.h"
#include "corvane/app/main_window.h"
#include "corvane/app/single_instance.h"
#include "corvane/help_text.h"
#include "corvane/sound/sound_module.h"
#include "resources/resource_paths.h"

namespace {

void cannotStart(const std::exception& e) {
    QMessageBox::critical(nullptr, corvane::branding::kBoxTitle,
                          QStringLiteral("The program cannot start:\n%1").arg(QString::fromUtf8(e.what())));
}

}  // namespace

int main(int argc, char** argv) {
    // Answered before Qt starts, so they work without a display.
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::cout << korbit::help::helpText(corvane::corvaneHelp());
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "corvane " KORBIT_VERSION "\n";
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(corvane::branding::kProgramTitle);
    QApplication::setOrganizationName(corvane::branding::kMakerFolder);
    QApplication::setApplicationVersion(QStringLiteral(KORBIT_VERSION));
    QApplication::setWindowIcon(QIcon(corvane::resources::applicationIcon()));
    QApplication::setDesktopFileName(QStringLiteral(CORVANE_APP_ID));  // the Wayland app id

    // A second copy ends at once, silently.
    const corvane::SingleInstance instance(QStringLiteral("corvane"));
    if (!instance.acquired()) {
        return 0;
    }

    // A file named on the command line (the desktop's "Open with") is
    // selected as if chosen in the dialog.
    const QStringList arguments = QApplication::arguments();
    const QString fileArgument = arguments.size() > 1 ? QFileInfo(arguments.at(1)).absoluteFilePath() : QString();

    corvane::SoundModule sounds;
    std::unique_ptr<corvane::MainWindow> mainWindow;
    std::unique_ptr<corvane::LoadingForm> splash;
    try {
        splash = std::make_unique<corvane::LoadingForm>([&](const corvane::AppFolders& folders) {
            try {
                mainWindow = std::make_unique<corvane::MainWindow>(folders.iniFile, sounds);
                mainWindow->show();
                if (!fileArgument.isEmpty()) {
                    mainWindow->fileChosen(fileArgument);
                }
            } catch (const std::exception& e) {
                cannotStart(e);
                QApplication::exit(1);
            }
        });
    } catch (const std::exception& e) {
        cannotStart(e);
        return 1;
    }
    splash->show();
    splash->start();
    const int status = QApplication::exec();
    mainWindow.reset();
    splash.reset();
    return status;
}
