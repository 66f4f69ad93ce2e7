// Corvane: one file or several, one password, one button.
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
#include "corvane/app/translations.h"
#include "corvane/help_text.h"
#include "corvane/sound/sound_module.h"
#include "resources/resource_paths.h"

namespace {

QString translated(const char* text) { return QCoreApplication::translate("corvane::main", text); }

void cannotStart(const std::exception& e) {
    QMessageBox::critical(nullptr, corvane::branding::kBoxTitle,
                          translated(QT_TRANSLATE_NOOP("corvane::main", "The program cannot start:\n%1"))
                              .arg(QString::fromUtf8(e.what())));
}

// What a later copy says when the running one did not take its files.
QString notTaken(corvane::HandOver answer, const QStringList& files) {
    using corvane::HandOver;
    QStringList names;
    for (const QString& file : files) {
        names << corvane::legible(file);
    }
    const bool one = files.size() == 1;
    const char* text =
        answer == HandOver::kBusy
            ? (one ? QT_TRANSLATE_NOOP("corvane::main", "the running copy is busy; %1 was not selected")
                   : QT_TRANSLATE_NOOP("corvane::main", "the running copy is busy; %1 were not selected"))
        : answer == HandOver::kNotAFile
            ? (one ? QT_TRANSLATE_NOOP("corvane::main", "%1 is not a file")
                   : QT_TRANSLATE_NOOP("corvane::main", "none of %1 is a file"))
            : (one ? QT_TRANSLATE_NOOP("corvane::main", "the running copy did not answer; %1 was not selected")
                   : QT_TRANSLATE_NOOP("corvane::main", "the running copy did not answer; %1 were not selected"));
    return translated(text).arg(names.join(QStringLiteral(", ")));
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
    // The windows speak the language of the desktop's locale; the control's
    // own results and what it hands the host stay as the control words them.
    corvane::installTranslations(app, QLocale::system(), corvane::translationFolders());

    // The files named on the command line (the desktop's "Open with") are
    // selected as if chosen in the dialog. Their bytes, not Qt's reading of
    // them (QApplication has taken its own options out of argv by now).
    QStringList fileArguments;
    for (int i = 1; i < argc; ++i) {
        if (const QString file = corvane::absoluteFileName(corvane::fileNameFromOs(argv[i])); !file.isEmpty()) {
            fileArguments << file;
        }
    }

    // A second copy hands its files to the running one and ends at once. The
    // lock and the socket live only in a folder of this user's alone.
    const QString name = QStringLiteral("corvane");
    const corvane::RuntimeFolder runtime = corvane::runtimeFolder();
    if (runtime.path.isEmpty()) {
        QTextStream(stderr) << "corvane: "
                            << translated(QT_TRANSLATE_NOOP("corvane::main",
                                                            "%1; this copy runs on its own and takes no files from "
                                                            "later copies"))
                                   .arg(runtime.problem)
                            << '\n';
    }
    const corvane::SingleInstance instance(runtime.path, name);
    if (!instance.acquired()) {
        const corvane::HandOver answer = corvane::handOverToRunningCopy(runtime.path, name, fileArguments);
        if (fileArguments.isEmpty() || answer == corvane::HandOver::kTaken) {
            return 0;
        }
        QTextStream(stderr) << "corvane: " << notTaken(answer, fileArguments) << '\n';
        return 1;
    }
    // Only the copy that stays makes windows.
    QApplication::setWindowIcon(QIcon(corvane::resources::applicationIcon()));
    QApplication::setDesktopFileName(QStringLiteral(CORVANE_APP_ID));  // the Wayland app id

    corvane::SoundModule sounds;
    std::unique_ptr<corvane::MainWindow> mainWindow;
    std::unique_ptr<corvane::LoadingForm> splash;
    // Files handed over while the splash still shows wait for the window.
    QStringList pendingFiles = fileArguments;
    const corvane::InstanceServer server(runtime.path, name, [&](const QStringList& files) {
        if (mainWindow == nullptr) {
            if (!files.isEmpty()) {
                pendingFiles = files;
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
                mainWindow->filesChosen(pendingFiles);
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
