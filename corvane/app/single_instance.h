// One running copy of the program per user.
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace corvane {

// Where the running copy keeps its lock and its socket: a folder of the
// user's alone, never one others share (korbit::platform::privateRuntimeFolder:
// $XDG_RUNTIME_DIR when it is the user's with mode 0700, else "corvane" in the
// user's cache folder). `problem` says why there is none when `path` is empty.
struct RuntimeFolder {
    QString path;
    QString problem;
};
RuntimeFolder runtimeFolder();

class SingleInstance {
public:
    // Tries to become the one running copy; the lock `name`.lock lives in
    // `folder` (runtimeFolder().path) and goes away with the process, even
    // when it dies. Without a folder there is no lock: this copy runs on its
    // own.
    SingleInstance(const QString& folder, const QString& name);

    // False when another copy of the program holds the lock.
    bool acquired() const noexcept { return acquired_; }

private:
    std::unique_ptr<QLockFile> lock_;
    bool acquired_ = false;
};

}  // namespace corvane
