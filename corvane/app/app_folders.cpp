#include "corvane/app/app_folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "corvane/app/branding.h"
#include "corvane/app/control_client.h"
#include "resources/resource_paths.h"

namespace corvane {

namespace {

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
QString applicationDataFolder(ControlClient& control) {
    QString folder = control.getSpecialFolderA(kFolderAppData);
    const QString expected = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty() && !expected.isEmpty() && makePrivateFolders(expected)) {
        folder = control.getSpecialFolderA(kFolderAppData);
    }
    return folder;
}

}  // namespace

AppFolders setupAppFolders(ControlClient& control) {
    AppFolders f;
    const QString appData = applicationDataFolder(control);
    if (appData.isEmpty()) {
        // Nothing is made anywhere else instead (under "/", say).
        f.problems << QStringLiteral("The application-data folder cannot be found or made: settings will not be kept.");
        return f;
    }
    f.appData = control.backSlashNeeded(appData);
    f.maker = control.backSlashNeeded(f.appData + branding::kMakerFolder);
    f.application = control.backSlashNeeded(f.maker + branding::kProgramTitle);
    f.media = control.backSlashNeeded(f.maker + branding::kMediaFolder);
    f.iniFile = f.application + branding::kSettingsFileName;
    f.helpFile = f.application + branding::kHelpFileName;

    for (const QString& folder : {f.maker, f.application, f.media}) {
        if (!control.folderExists(folder) && !control.createMyDIR(folder)) {
            f.problems << QStringLiteral("The folder %1 cannot be made.").arg(folder);
        }
    }
    if (!control.fileExistQ(f.iniFile)) {
        if (!control.createMyFile(f.iniFile)) {
            f.problems << QStringLiteral("The settings file %1 cannot be made: settings will not be kept.")
                              .arg(f.iniFile);
        } else {
            control.profileSaveItem(settings::kDirectories, settings::kIniFile, f.iniFile, f.iniFile);
            control.profileSaveItem(settings::kDirectories, settings::kHelpFile, f.helpFile, f.iniFile);
            control.profileSaveItem(settings::kSettings, settings::kSoundToggle, QStringLiteral("1"), f.iniFile);
        }
    }
    if (!control.fileExistQ(f.helpFile) && !writeResourceToFile(kHelpResourceId, f.helpFile, kHelpResourceType)) {
        f.problems << QStringLiteral("The help page %1 cannot be written.").arg(f.helpFile);
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
