#include "corvane/app/app_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "corvane/app/branding.h"
#include "corvane/app/qt_host.h"
#include "corvane/app/window_control.h"
#include "resources/resource_paths.h"

namespace corvane {

namespace {

QString translated(const char* text) { return QCoreApplication::translate("corvane::AppFolders", text); }

// Makes `path` and its missing parents, each for the user alone.
bool makePrivateFolders(const QString& path) {
    const QFileInfo folder(path);
    if (folder.isDir()) {
        return true;
    }
    const QString parent = folder.path();
    if (parent == path || !makePrivateFolders(parent)) {
        return false;
    }
    return QDir().mkdir(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner) || QFileInfo(path).isDir();
}

// The control only finds the application-data folder; on a first start it
// may not be there yet.
QString applicationDataFolder(WindowControl& control) {
    QString folder = toQString(control.GetSpecialFolderA(korbit::control::CSIDL_APPDATA));
    const QString expected = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty() && !expected.isEmpty() && makePrivateFolders(expected)) {
        folder = toQString(control.GetSpecialFolderA(korbit::control::CSIDL_APPDATA));
    }
    return folder;
}

}  // namespace

AppFolders setupAppFolders(WindowControl& control) {
    AppFolders f;
    const QString appData = applicationDataFolder(control);
    if (appData.isEmpty()) {
        // Nothing is made anywhere else instead (under "/", say).
        f.problems << translated(QT_TRANSLATE_NOOP("corvane::AppFolders",
                                                "The application-data folder cannot be found or made: settings "
                                                "will not be kept."));
        return f;
    }
    const auto withSlash = [&](const QString& folder) { return toQString(control.BackSlashNeeded(toText(folder))); };
    f.appData = withSlash(appData);
    f.maker = withSlash(f.appData + branding::kMakerFolder);
    f.application = withSlash(f.maker + branding::kProgramTitle);
    f.media = withSlash(f.maker + branding::kMediaFolder);
    f.iniFile = f.application + branding::kSettingsFileName;
    f.helpFile = f.application + branding::kHelpFileName;

    for (const QString& folder : {f.maker, f.application, f.media}) {
        if (!control.FolderExists(toText(folder)) && !control.CreateMyDIR(toText(folder))) {
            f.problems << translated(QT_TRANSLATE_NOOP("corvane::AppFolders", "The folder %1 cannot be made.")).arg(folder);
        }
    }
    if (!control.FileExistQ(toText(f.iniFile))) {
        if (!control.CreateMyFile(toText(f.iniFile))) {
            f.problems << translated(QT_TRANSLATE_NOOP("corvane::AppFolders",
                                                    "The settings file %1 cannot be made: settings will not be kept."))
                              .arg(f.iniFile);
        } else {
            const korbit::control::Text ini = toText(f.iniFile);
            control.ProfileSaveItem(toText(settings::kDirectories), toText(settings::kIniFile), ini, ini);
            control.ProfileSaveItem(toText(settings::kDirectories), toText(settings::kHelpFile), toText(f.helpFile), ini);
            control.ProfileSaveItem(toText(settings::kSettings), toText(settings::kSoundToggle), u"1", ini);
        }
    }
    if (!control.FileExistQ(toText(f.helpFile)) && !writeResourceToFile(kHelpResourceId, f.helpFile, kHelpResourceType)) {
        f.problems << translated(QT_TRANSLATE_NOOP("corvane::AppFolders", "The help page %1 cannot be written.")).arg(f.helpFile);
    }
    return f;
}

bool writeResourceToFile(int id, const QString& path, const QString& type) {
    const QString resource = type == kHelpResourceType               ? resources::help(id)
                             : type == QStringLiteral("WAVE")        ? resources::wave(id)
                                                                     : QString();
    QFile source(resource);
    if (resource.isEmpty() || !source.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytes = source.readAll();
    QSaveFile target(path);
    if (!target.open(QIODevice::WriteOnly) || target.write(bytes) != bytes.size()) {
        return false;
    }
    return target.commit();
}

}  // namespace corvane
