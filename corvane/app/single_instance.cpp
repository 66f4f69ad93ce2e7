#include "corvane/app/single_instance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "corvane/app/file_names.h"
#include "korbit/platform/ownership.h"

namespace corvane {

RuntimeFolder runtimeFolder() {
    const korbit::engine::Result<std::string> folder = korbit::platform::privateRuntimeFolder("corvane");
    if (!folder) {
        return {QString(), legible(fileNameFromOs(QByteArray::fromStdString(folder.status().message())))};
    }
    const QByteArray bytes = QByteArray::fromStdString(folder.value());
    const QString path = fileNameFromOs(bytes);
    if (QFile::encodeName(path) != bytes) {
        // The lock and the socket go through Qt, which cannot name it.
        return {QString(), QCoreApplication::translate("corvane::RuntimeFolder", "%1 has a name that is no UTF-8")
                               .arg(legible(path))};
    }
    return {path, QString()};
}

SingleInstance::SingleInstance(const QString& folder, const QString& name) {
    if (folder.isEmpty()) {
        acquired_ = true;
        return;
    }
    lock_ = std::make_unique<QLockFile>(QDir(folder).filePath(name + QStringLiteral(".lock")));
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
