#include "korbit/platform/launcher.h"

#include <sys/stat.h>

#include <QProcess>
#include <QString>
#include <QStringList>
#include <atomic>

#include "korbit/platform/file_info.h"

namespace korbit::platform {

namespace {

// True unless the desktop's database says for sure that no application
// opens files of `path`'s type.
bool someApplicationOpens(const std::string& path) {
    const QString type = QString::fromStdString(mimeTypeName(path));
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), type});
    if (!query.waitForFinished(5000) || query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0) {
        return true;
    }
    return !query.readAllStandardOutput().trimmed().isEmpty();
}

class DesktopLauncher final : public Launcher {
public:
    LaunchResult open(const std::string& target, const std::string&, const std::string& workingFolder) override {
        struct stat info {};
        const bool isEntry = ::stat(target.c_str(), &info) == 0;
        if (isEntry && !S_ISDIR(info.st_mode) && !someApplicationOpens(target)) {
            return LaunchResult::kNoApplication;
        }
        // xdg-open would read a leading "-" as an option of its own.
        if (target.starts_with('-') && !isEntry) {
            return LaunchResult::kFailed;
        }
        const std::string argument = target.starts_with('-') ? "./" + target : target;
        const bool started = QProcess::startDetached(QStringLiteral("xdg-open"), {QString::fromStdString(argument)},
                                                     QString::fromStdString(workingFolder));
        return started ? LaunchResult::kStarted : LaunchResult::kFailed;
    }
};

std::atomic<Launcher*> replaced{nullptr};

}  // namespace

Launcher& launcher() {
    static DesktopLauncher desktop;
    Launcher* current = replaced.load();
    return current != nullptr ? *current : desktop;
}

void setLauncher(Launcher* replacement) { replaced.store(replacement); }

}  // namespace korbit::platform
