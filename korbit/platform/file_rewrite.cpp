#include "korbit/platform/file_rewrite.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <cstdio>
#include <vector>

namespace korbit::platform {

namespace {

[[noreturn]] void fail(RewriteError::Kind kind, int error, const std::string& what) {
    throw RewriteError(kind, error, what + ": " + std::strerror(error));
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Temporary files of a file are named ".<name>.korbit-XXXXXX" and locked by
// the run that writes them. One that nobody holds was left by a run that
// died; it is removed so that it can never be taken for anything.
void removeStaleTemporaries(const std::string& folder, const std::string& name) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return;
    }
    const std::string prefix = "." + name + ".korbit-";
    std::vector<std::string> stale;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string entryName = entry->d_name;
        if (entryName.size() != prefix.size() + 6 || entryName.compare(0, prefix.size(), prefix) != 0) {
            continue;
        }
        const std::string path = folder + "/" + entryName;
        const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) {
            continue;
        }
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            stale.push_back(path);
        }
        ::close(fd);
    }
    ::closedir(dir);
    for (const std::string& path : stale) {
        ::unlink(path.c_str());
    }
}

void writeAll(int fd, const std::uint8_t* data, std::size_t size, const std::string& what) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            fail(RewriteError::Kind::kIo, errno, what);
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
}

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

unsigned readOnlyMode(unsigned mode) noexcept { return mode & ~0222U & 07777U; }
unsigned writableMode(unsigned mode) noexcept { return (mode | 0200U) & 07777U; }

bool makeOwnerWritable(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return false;
    }
    const unsigned mode = st.st_mode & 07777U;
    return (mode & 0200U) != 0 || ::chmod(path.c_str(), writableMode(mode)) == 0;
}

FileRewrite::FileRewrite(const std::string& path, const std::string& fallbackFolder)
    : fallbackFolder_(fallbackFolder) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) {
        fail(errno == ENOENT ? RewriteError::Kind::kNotFound : RewriteError::Kind::kIo, errno, path);
    }
    target_ = resolved;

    // Never wait on a pipe or device: opened without blocking, refused below.
    inputFd_ = ::open(target_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (inputFd_ < 0) {
        fail(errno == ENOENT ? RewriteError::Kind::kNotFound : RewriteError::Kind::kIo, errno, target_);
    }
    struct stat st {};
    if (::fstat(inputFd_, &st) != 0) {
        const int error = errno;
        ::close(inputFd_);
        fail(RewriteError::Kind::kIo, error, target_);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(inputFd_);
        throw RewriteError(RewriteError::Kind::kNotRegular, EINVAL, target_ + " is not a regular file");
    }
    if (::flock(inputFd_, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(inputFd_);
        throw RewriteError(RewriteError::Kind::kLocked, error, target_ + " is being encrypted or decrypted already");
    }
    ::fcntl(inputFd_, F_SETFL, 0);
    inputSize_ = static_cast<std::uint64_t>(st.st_size);
    mode_ = st.st_mode & 07777U;
    links_ = st.st_nlink;
    removeStaleTemporaries(folderOf(target_), nameOf(target_));
}

FileRewrite::~FileRewrite() {
    if (tempFd_ >= 0) {
        ::close(tempFd_);
    }
    if (!committed_ && !tempPath_.empty()) {
        ::unlink(tempPath_.c_str());
    }
    if (inputFd_ >= 0) {
        ::close(inputFd_);  // also releases the lock
    }
}

bool FileRewrite::hiddenName() const noexcept { return nameOf(target_).starts_with('.'); }

std::size_t FileRewrite::read(std::span<std::uint8_t> buffer) {
    for (;;) {
        const ssize_t n = ::read(inputFd_, buffer.data(), buffer.size());
        if (n >= 0) {
            return static_cast<std::size_t>(n);
        }
        if (errno != EINTR) {
            fail(RewriteError::Kind::kIo, errno, "reading " + target_);
        }
    }
}

void FileRewrite::createTemporary() {
    const auto tryFolder = [&](const std::string& folder) {
        std::string pattern = folder + "/." + nameOf(target_) + ".korbit-XXXXXX";
        std::vector<char> buffer(pattern.begin(), pattern.end());
        buffer.push_back('\0');
        const int fd = ::mkostemp(buffer.data(), O_CLOEXEC);  // O_EXCL, mode 0600
        if (fd >= 0) {
            tempPath_ = buffer.data();
            tempFd_ = fd;
            ::flock(tempFd_, LOCK_EX | LOCK_NB);  // marks it as alive for removeStaleTemporaries
        }
        return fd >= 0;
    };
    if (tryFolder(folderOf(target_))) {
        tempBeside_ = true;
        return;
    }
    const int error = errno;
    if ((error == EACCES || error == EROFS || error == EPERM) && !fallbackFolder_.empty() &&
        tryFolder(fallbackFolder_)) {
        tempBeside_ = false;
        return;
    }
    fail(RewriteError::Kind::kIo, error, "creating a temporary file beside " + target_);
}

void FileRewrite::write(std::span<const std::uint8_t> bytes) {
    if (tempFd_ < 0) {
        createTemporary();
    }
    writeAll(tempFd_, bytes.data(), bytes.size(), "writing " + tempPath_);
    written_ += bytes.size();
    // Start writing back every few megabytes: dirty pages never pile up, so
    // no write stalls for long (the host's events keep running) and the
    // final flush has little left to do.
    constexpr std::uint64_t kWriteBackStep = std::uint64_t{8} << 20;
    if (written_ - writtenBack_ >= kWriteBackStep) {
        ::sync_file_range(tempFd_, static_cast<off_t>(writtenBack_), static_cast<off_t>(written_ - writtenBack_),
                          SYNC_FILE_RANGE_WRITE);
        writtenBack_ = written_;
    }
}

void FileRewrite::commit(unsigned newMode) {
    if (tempFd_ < 0) {
        createTemporary();  // an empty result
    }
    if (::fsync(tempFd_) != 0) {
        fail(RewriteError::Kind::kIo, errno, "flushing " + tempPath_);
    }
    if (tempBeside_ && links_ <= 1) {
        if (::fchmod(tempFd_, newMode) != 0) {
            fail(RewriteError::Kind::kIo, errno, "setting the permissions of " + tempPath_);
        }
        if (::rename(tempPath_.c_str(), target_.c_str()) != 0) {
            fail(RewriteError::Kind::kIo, errno, "replacing " + target_);
        }
        committed_ = true;
        syncFolder(folderOf(target_));
        return;
    }
    rewriteInPlace();
    ::chmod(target_.c_str(), newMode);
}

void FileRewrite::rewriteInPlace() {
    // The complete new content is on disk in the temporary file; only now is
    // the file itself touched. If this fails part-way the temporary file is
    // kept, so the content is never lost.
    const int out = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW);
    if (out < 0) {
        fail(RewriteError::Kind::kIo, errno, "opening " + target_ + " for writing");
    }
    try {
        if (::fchmod(out, writableMode(mode_)) != 0 && errno != EPERM) {
            fail(RewriteError::Kind::kIo, errno, target_);
        }
        if (::lseek(tempFd_, 0, SEEK_SET) < 0) {
            fail(RewriteError::Kind::kIo, errno, tempPath_);
        }
        std::vector<std::uint8_t> buffer(std::size_t{1} << 20);
        std::uint64_t total = 0;
        for (;;) {
            const ssize_t n = ::read(tempFd_, buffer.data(), buffer.size());
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0) {
                fail(RewriteError::Kind::kIo, errno, "reading " + tempPath_);
            }
            if (n == 0) {
                break;
            }
            writeAll(out, buffer.data(), static_cast<std::size_t>(n), "writing " + target_);
            total += static_cast<std::uint64_t>(n);
        }
        if (::ftruncate(out, static_cast<off_t>(total)) != 0 || ::fsync(out) != 0) {
            fail(RewriteError::Kind::kIo, errno, "flushing " + target_);
        }
    } catch (const RewriteError& e) {
        ::close(out);
        committed_ = true;  // keep the complete temporary file: it holds the only whole copy
        throw RewriteError(e.kind(), e.error(), std::string(e.what()) + "; the complete result is in " + tempPath_);
    }
    ::close(out);
    committed_ = true;
    ::unlink(tempPath_.c_str());
}

NewFile::NewFile(const std::string& path) : path_(path) {
    std::string pattern = folderOf(path) + "/." + nameOf(path) + ".korbit-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    fd_ = ::mkostemp(buffer.data(), O_CLOEXEC);
    if (fd_ < 0) {
        fail(RewriteError::Kind::kIo, errno, "creating a temporary file beside " + path);
    }
    tempPath_ = buffer.data();
    ::flock(fd_, LOCK_EX | LOCK_NB);
}

NewFile::~NewFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    if (!committed_) {
        ::unlink(tempPath_.c_str());
    }
}

void NewFile::write(std::span<const std::uint8_t> bytes) {
    writeAll(fd_, bytes.data(), bytes.size(), "writing " + tempPath_);
}

void NewFile::commit(unsigned mode) {
    if (::fsync(fd_) != 0 || ::fchmod(fd_, mode) != 0) {
        fail(RewriteError::Kind::kIo, errno, "flushing " + tempPath_);
    }
    if (::renameat2(AT_FDCWD, tempPath_.c_str(), AT_FDCWD, path_.c_str(), RENAME_NOREPLACE) != 0) {
        if (errno == EEXIST) {
            throw RewriteError(RewriteError::Kind::kExists, EEXIST, path_ + " exists already");
        }
        fail(RewriteError::Kind::kIo, errno, "naming " + path_);
    }
    committed_ = true;
    syncFolder(folderOf(path_));
}

}  // namespace korbit::platform
