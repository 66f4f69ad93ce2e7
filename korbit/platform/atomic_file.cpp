#include "korbit/platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "korbit/platform/file_metadata.h"
#include "korbit/platform/regular_file.h"
#include "korbit/platform/secure_random.h"

namespace korbit::platform {

namespace {

std::string joined(const std::string& folder, const std::string& name) {
    return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

std::string randomLetters() {
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::string letters;
    for (int i = 0; i < 6; ++i) {
        letters.push_back(kLetters[randomWord() % (sizeof kLetters - 1)]);
    }
    return letters;
}

// A failed call's error number; EIO when the call set none.
int lastError() { return errno != 0 ? errno : EIO; }

}  // namespace

engine::Result<std::string> replacedFileOf(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
        return path;
    }
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) {
        return systemFailure(lastError(), "following the link " + path);
    }
    return std::string(resolved);
}

int FileCalls::openAt(int folder, const char* name, int flags, mode_t mode) {
    return ::openat(folder, name, flags, mode);
}
ssize_t FileCalls::write(int fd, const void* data, std::size_t size) { return ::write(fd, data, size); }
int FileCalls::fsync(int fd) { return ::fsync(fd); }
int FileCalls::fchmod(int fd, mode_t mode) { return ::fchmod(fd, mode); }
int FileCalls::renameAt(int fromFolder, const char* from, int toFolder, const char* to, unsigned flags) {
    return ::renameat2(fromFolder, from, toFolder, to, flags);
}
int FileCalls::unlinkAt(int folder, const char* name) { return ::unlinkat(folder, name, 0); }

FileCalls& systemFileCalls() {
    static FileCalls calls;
    return calls;
}

engine::Status systemFailure(int error, const std::string& what) {
    engine::ErrorCode code = engine::ErrorCode::IoFailed;
    switch (error) {
        case ENOENT:
        case ENOTDIR: code = engine::ErrorCode::NotFound; break;
        case EACCES:
        case EPERM:
        case EROFS: code = engine::ErrorCode::AccessDenied; break;
        case EISDIR:
        case EINVAL: code = engine::ErrorCode::NotAFile; break;
        case EEXIST: code = engine::ErrorCode::Exists; break;
        default: break;
    }
    return {code, what + ": " + std::strerror(error), error};
}

engine::Result<Descriptor> createTemporaryFile(int folder, const std::string& prefix, std::string& name,
                                               FileCalls& calls) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = prefix + randomLetters();
        errno = 0;
        Descriptor fd(calls.openAt(folder, name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (fd.valid()) {
            return fd;
        }
        if (errno != EEXIST) {
            return systemFailure(lastError(), "creating " + name);
        }
    }
    return systemFailure(EEXIST, "creating " + name);
}

engine::Status writeAllBytes(int fd, std::span<const std::uint8_t> bytes, const std::string& what,
                             FileCalls& calls) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        errno = 0;
        const ssize_t n = calls.write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return systemFailure(n == 0 ? ENOSPC : lastError(), what);
        }
        done += static_cast<std::size_t>(n);
    }
    return engine::Status::ok();
}

Replacement::Replacement(int folder, std::string folderPath, std::string target, FileCalls& calls, Descriptor fd,
                         std::string name) noexcept
    : folder_(folder),
      folderPath_(std::move(folderPath)),
      target_(std::move(target)),
      calls_(&calls),
      fd_(std::move(fd)),
      name_(std::move(name)) {}

engine::Result<Replacement> Replacement::create(int folder, std::string folderPath, std::string target,
                                                FileCalls& calls, std::string prefix) {
    if (prefix.empty()) {
        prefix = "." + target + ".new-";
    }
    std::string name;
    engine::Result<Descriptor> fd = createTemporaryFile(folder, prefix, name, calls);
    if (!fd) {
        return systemFailure(fd.status().systemError(),
                             "creating a temporary file beside " + joined(folderPath, target));
    }
    return Replacement(folder, std::move(folderPath), std::move(target), calls, std::move(fd).value(),
                       std::move(name));
}

Replacement::Replacement(Replacement&& other) noexcept
    : folder_(other.folder_),
      folderPath_(std::move(other.folderPath_)),
      target_(std::move(other.target_)),
      calls_(other.calls_),
      fd_(std::move(other.fd_)),
      name_(std::move(other.name_)),
      owned_(std::exchange(other.owned_, false)) {}

Replacement& Replacement::operator=(Replacement&& other) noexcept {
    if (this != &other) {
        if (owned_ && fd_.valid()) {
            calls_->unlinkAt(folder_, name_.c_str());
        }
        folder_ = other.folder_;
        folderPath_ = std::move(other.folderPath_);
        target_ = std::move(other.target_);
        calls_ = other.calls_;
        fd_ = std::move(other.fd_);
        name_ = std::move(other.name_);
        owned_ = std::exchange(other.owned_, false);
    }
    return *this;
}

Replacement::~Replacement() {
    if (owned_ && fd_.valid()) {
        calls_->unlinkAt(folder_, name_.c_str());
    }
}

std::string Replacement::temporaryPath() const { return joined(folderPath_, name_); }

engine::Status Replacement::write(std::span<const std::uint8_t> bytes) {
    return writeAllBytes(fd_.get(), bytes, "writing " + temporaryPath(), *calls_);
}

engine::Status Replacement::write(std::string_view text) {
    return write(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

engine::Status Replacement::commit(unsigned mode, const CommitSteps& steps, ExistingTarget existing) {
    errno = 0;
    if (calls_->fchmod(fd_.get(), mode & 0777U) != 0) {
        return systemFailure(lastError(), "setting the permissions of " + temporaryPath());
    }
    errno = 0;
    if (calls_->fsync(fd_.get()) != 0) {
        return systemFailure(lastError(), "flushing " + temporaryPath());
    }
    if (steps.beforeRename) {
        if (engine::Status s = steps.beforeRename(); !s) {
            return s;
        }
    }
    const std::string target = joined(folderPath_, target_);
    errno = 0;
    if (calls_->renameAt(folder_, name_.c_str(), folder_, target_.c_str(),
                         existing == ExistingTarget::kKeep ? RENAME_NOREPLACE : 0U) != 0) {
        const int error = lastError();
        if (error == EEXIST && existing == ExistingTarget::kKeep) {
            return {engine::ErrorCode::Exists, target + " exists already", EEXIST};
        }
        return systemFailure(error, (existing == ExistingTarget::kKeep ? "naming " : "replacing ") + target);
    }
    owned_ = false;  // it is the target now
    if (steps.afterRename) {
        if (engine::Status s = steps.afterRename(); !s) {
            return s;
        }
    }
    errno = 0;
    if (calls_->fsync(folder_) != 0) {
        return systemFailure(lastError(),
                             "the new content of " + target + " is in place, but its folder could not be flushed");
    }
    return engine::Status::ok();
}

ReplaceOptions::ReplaceOptions() : newFileMode(0666U & ~fileCreationMask()) {}

engine::Status replaceFile(const std::string& path, std::string_view content, const ReplaceOptions& options,
                           FileCalls& calls) {
    const engine::Result<std::string> target = replacedFileOf(path);
    if (!target) {
        return target.status();
    }
    const std::string& file = target.value();
    unsigned mode = options.newFileMode;
    struct stat existing {};
    if (::lstat(file.c_str(), &existing) == 0) {
        if (!S_ISREG(existing.st_mode)) {
            return systemFailure(S_ISDIR(existing.st_mode) ? EISDIR : EINVAL, file + " is no regular file");
        }
        if (!writableRegularFile(existing, file)) {
            return systemFailure(EACCES, "writing " + file);
        }
        mode = existing.st_mode & 0777U;
    } else if (errno != ENOENT) {
        return systemFailure(lastError(), "looking up " + file);
    }
    const std::string folderPath = parentFolder(file);
    // Opened for reading, so that it can be flushed.
    const Descriptor folder(::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid()) {
        return systemFailure(lastError(), "opening the folder " + folderPath);
    }
    const std::size_t slash = file.rfind('/');
    engine::Result<Replacement> replacement = Replacement::create(
        folder.get(), folderPath, slash == std::string::npos ? file : file.substr(slash + 1), calls);
    if (!replacement) {
        return replacement.status();
    }
    if (engine::Status written = replacement->write(content); !written) {
        return written;
    }
    return replacement->commit(mode);
}

engine::Status removeFile(const std::string& path) {
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
        return systemFailure(lastError(), "removing " + path);
    }
    const Descriptor folder(::open(parentFolder(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid() || ::fsync(folder.get()) != 0) {
        return systemFailure(lastError(), path + " is removed, but its folder could not be flushed");
    }
    return engine::Status::ok();
}

}  // namespace korbit::platform
