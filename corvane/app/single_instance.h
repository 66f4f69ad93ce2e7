// One running copy of the program per user.
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace corvane {

// `fileName` in the user's runtime folder ($XDG_RUNTIME_DIR, or a private
// folder Qt makes when it is not set).
QString runtimeFilePath(const QString& fileName);

class SingleInstance {
public:
    // Tries to become the one running copy; the lock lives in the user's
    // runtime folder and goes away with the process, even when it dies.
    explicit SingleInstance(const QString& name);

    // False when another copy of the program holds the lock.
    bool acquired() const noexcept { return acquired_; }

private:
    std::unique_ptr<QLockFile> lock_;
    bool acquired_ = false;
};

}  // namespace corvane
