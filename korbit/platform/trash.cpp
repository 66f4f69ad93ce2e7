#include "korbit/platform/trash.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QString>
#include <cerrno>
#include <cstdio>

namespace korbit::platform {

int moveToTrash(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        return errno;
    }
    // Qt cannot make the user's trash below a data folder that is missing,
    // and then moves the entry into the current folder instead.
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataHome.isEmpty() || !QDir().mkpath(dataHome)) {
        return EACCES;
    }
    QString trashed;
    if (!QFile::moveToTrash(QString::fromStdString(path), &trashed)) {
        // Qt does not say why; what fails most is the right to move the entry.
        return ::lstat(path.c_str(), &info) != 0 ? ENOENT : EACCES;
    }
    if (!QDir::isAbsolutePath(trashed)) {
        ::rename(QFile::encodeName(trashed).constData(), path.c_str());
        return EACCES;
    }
    return 0;
}

}  // namespace korbit::platform
