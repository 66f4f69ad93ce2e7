#include "corvane/app/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace corvane {

QString runtimeFilePath(const QString& fileName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return QDir(folder).filePath(fileName);
}

SingleInstance::SingleInstance(const QString& name) {
    lock_ = std::make_unique<QLockFile>(runtimeFilePath(name + QStringLiteral(".lock")));
    // Held for the whole run, so never stale by age; a live holder is never
    // waited for.
    lock_->setStaleLockTime(0);
    acquired_ = lock_->tryLock(0);
    if (!acquired_ && lock_->error() == QLockFile::LockFailedError) {
        // Left by a copy that died, perhaps with its process number reused
        // since: removing it fails while a live copy still holds it.
        acquired_ = lock_->removeStaleLockFile() && lock_->tryLock(0);
    }
}

}  // namespace corvane
