// Corvane: one file, one password, one button.
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTextStream>
#include <cstring>
#include <exception>
#include <iostream>
#include <memory>

#include "corvane/app/branding.h"
#include "corvane/app/desktop.h"
#include "corvane/app/file_names.h"
#include "corvane/app/instance_channel.h"
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

    // A file named on the command line (the desktop's "Open with") is
    // selected as if chosen in the dialog. Its bytes, not Qt's reading of
    // them (QApplication has taken its own options out of argv by now).
    const QString fileArgument = argc > 1 ? corvane::absoluteFileName(corvane::fileNameFromOs(argv[1])) : QString();

    // A second copy hands its file to the running one and ends at once. The
    // lock and the socket live only in a folder of this user's alone.
    const QString name = QStringLiteral("corvane");
    const corvane::RuntimeFolder runtime = corvane::runtimeFolder();
    if (runtime.path.isEmpty()) {
        QTextStream(stderr) << "corvane: " << runtime.problem
                            << "; this copy runs on its own and takes no files from later copies\n";
    }
    const corvane::SingleInstance instance(runtime.path, name);
    if (!instance.acquired()) {
        using corvane::HandOver;
        const HandOver answer = corvane::handOverToRunningCopy(
            runtime.path, name, fileArgument.isEmpty() ? QStringList() : QStringList{fileArgument});
        if (fileArgument.isEmpty() || answer == HandOver::kTaken) {
            return 0;
        }
        QTextStream(stderr) << "corvane: "
                            << (answer == HandOver::kBusy        ? QStringLiteral("the running copy is busy; %1 was not selected")
                                : answer == HandOver::kNotAFile ? QStringLiteral("%1 is not a file")
                                                                 : QStringLiteral("the running copy did not answer; %1 was not selected"))
                                   .arg(corvane::legible(fileArgument))
                            << '\n';
        return 1;
    }
    // Only the copy that stays makes windows.
    QApplication::setWindowIcon(QIcon(corvane::resources::applicationIcon()));
    QApplication::setDesktopFileName(QStringLiteral(CORVANE_APP_ID));  // the Wayland app id

    corvane::SoundModule sounds;
    std::unique_ptr<corvane::MainWindow> mainWindow;
    std::unique_ptr<corvane::LoadingForm> splash;
    // Files handed over while the splash still shows wait for the window.
    QString pendingFile = fileArgument;
    const corvane::InstanceServer server(runtime.path, name, [&](const QStringList& files) {
        if (mainWindow == nullptr) {
            if (files.size() > 1) {
                return corvane::HandOver::kOneAtATime;
            }
            if (!files.isEmpty()) {
                pendingFile = files.front();
            }
            return corvane::HandOver::kTaken;
        }
        return mainWindow->takeForwardedFiles(files);
    });
    try {
        splash = std::make_unique<corvane::LoadingForm>([&](const corvane::AppFolders& folders) {
            try {
                mainWindow = std::make_unique<corvane::MainWindow>(folders.iniFile, sounds, corvane::realDesktop());
                mainWindow->show();
                if (!pendingFile.isEmpty()) {
                    mainWindow->fileChosen(pendingFile);
                }
            } catch (const std::exception& e) {
                cannotStart(e);
                QApplication::exit(1);
            }
        }, corvane::realDesktop());
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
