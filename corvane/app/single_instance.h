// One running copy of the program per user.
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace corvane {

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
