#include "korbit/platform/file_operations.h"
#include "korbit/platform/descriptor.h"

#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "korbit/platform/file_copy.h"
#include "korbit/platform/regular_file.h"

namespace korbit::platform {

namespace {

namespace fs = std::filesystem;


int lastError(int fallback = EIO) { return errno != 0 ? errno : fallback; }

int errorOf(const std::error_code& ec) { return ec ? ec.value() : 0; }

// True when a lock of another open file (of any process) covers the file:
// a record lock, an open-file lock or a whole-file lock.
bool lockedElsewhere(int fd) {
    struct flock probe {};
    probe.l_type = F_WRLCK;
    probe.l_whence = SEEK_SET;
    if (::fcntl(fd, F_OFD_GETLK, &probe) == 0 && probe.l_type != F_UNLCK) {
        return true;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        return errno == EWOULDBLOCK;
    }
    ::flock(fd, LOCK_UN);
    return false;
}

}  // namespace

std::string errorText(int error) { return std::generic_category().message(error); }

int createFolder(const std::string& path) { return ::mkdir(path.c_str(), 0777) == 0 ? 0 : lastError(); }

int createNewFile(const std::string& path) {
    Descriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (!fd.valid()) {
        return lastError();
    }
    return fd.closeNow() == 0 ? 0 : lastError();
}

int moveEntry(const std::string& from, const std::string& to, bool replace) {
    if (replace) {
        return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : lastError();
    }
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return 0;
    }
    const int error = lastError();
    struct stat info {};
    if (error == EINVAL || error == ENOSYS) {  // the file system cannot refuse to replace by itself
        if (::lstat(to.c_str(), &info) == 0) {
            return EEXIST;
        }
        return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : lastError();
    }
    if (error != EXDEV || ::lstat(from.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return error;
    }
    if (const int copied = copyRegularFile(from, to, ExistingTarget::kKeep); copied != 0) {
        return copied;
    }
    // The copy becomes the only one: it is on the disk before the original goes.
    const Descriptor copy(::open(to.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!copy.valid() || ::fsync(copy.get()) != 0 || ::unlink(from.c_str()) != 0) {
        const int failure = lastError();
        ::unlink(to.c_str());  // one file, where it was
        return failure;
    }
    return 0;
}

int removeTree(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        return lastError();
    }
    std::error_code ec;
    fs::remove_all(path, ec);
    return errorOf(ec);
}

bool destroyFile(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        return false;
    }
    if (S_ISLNK(info.st_mode)) {
        return ::unlink(path.c_str()) == 0;
    }
    constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;
    if (!S_ISREG(info.st_mode) || (info.st_mode & kAnyWrite) == 0) {
        return false;
    }
    Descriptor fd(::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat opened {};
    if (!fd.valid() || ::fstat(fd.get(), &opened) != 0 || opened.st_ino != info.st_ino ||
        opened.st_dev != info.st_dev || lockedElsewhere(fd.get()) || ::ftruncate(fd.get(), 0) != 0) {
        return false;
    }
    if (::fsync(fd.get()) != 0) {
        return false;
    }
    fd.closeNow();
    return ::unlink(path.c_str()) == 0;
}

std::string currentFolder() {
    std::error_code ec;
    const fs::path here = fs::current_path(ec);
    return ec ? std::string() : here.string();
}

int changeFolder(const std::string& path) { return ::chdir(path.c_str()) == 0 ? 0 : lastError(); }

std::optional<std::vector<std::string>> fileNamesIn(const std::string& path) {
    DIR* folder = ::opendir(path.c_str());
    if (folder == nullptr) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    errno = 0;
    while (const dirent* entry = ::readdir(folder)) {
        const std::string name = entry->d_name;
        struct stat info {};
        if (name == "." || name == ".." || ::fstatat(::dirfd(folder), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            continue;
        }
        if (S_ISLNK(info.st_mode) && ::fstatat(::dirfd(folder), name.c_str(), &info, 0) != 0) {
            info.st_mode = S_IFLNK;
        }
        if (!S_ISDIR(info.st_mode)) {
            names.push_back(name);
        }
        errno = 0;
    }
    const bool complete = errno == 0;
    ::closedir(folder);
    if (!complete) {
        return std::nullopt;
    }
    return names;
}

bool openableAndUnlocked(const std::string& path) {
    const Descriptor fd = openRegularFile(path, O_RDONLY);
    return fd.valid() && !lockedElsewhere(fd.get());
}

bool openExclusivelyForRandomAccess(const std::string& path) {
    Descriptor fd = openRegularFile(path, O_RDWR | O_CREAT);
    if (!fd.valid() && (errno == EACCES || errno == EROFS)) {
        fd.closeNow();
        const Descriptor readOnly = openRegularFile(path, O_RDONLY);
        return readOnly.valid() && !lockedElsewhere(readOnly.get());
    }
    return fd.valid() && !lockedElsewhere(fd.get());
}

bool libraryExports(const std::string& library, const std::string& symbol) {
    if (library.empty() || symbol.empty()) {
        return false;
    }
    // A path is looked at first: loading reads whatever it names, and would
    // wait on a pipe.
    struct stat info {};
    if (library.find('/') != std::string::npos && (::stat(library.c_str(), &info) != 0 || !S_ISREG(info.st_mode))) {
        return false;
    }
    void* handle = ::dlopen(library.c_str(), RTLD_LAZY | RTLD_LOCAL);
    if (handle == nullptr) {
        return false;
    }
    const bool found = ::dlsym(handle, symbol.c_str()) != nullptr;
    ::dlclose(handle);
    return found;
}

std::string libraryFolder() {
    static const char marker = 0;
    Dl_info info {};
    if (::dladdr(&marker, &info) == 0 || info.dli_fname == nullptr) {
        return currentFolder();
    }
    std::error_code ec;
    const fs::path library = fs::canonical(info.dli_fname, ec);
    return ec ? currentFolder() : library.parent_path().string();
}

std::string userName() {
    std::vector<char> buffer(16384);
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr) {
        return {};
    }
    return found->pw_name;
}

std::string computerName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) {
        return {};
    }
    return name;
}

DiskSpace diskSpace(const std::string& path) {
    struct statvfs info {};
    if (::statvfs(path.c_str(), &info) != 0) {
        return {};
    }
    const std::uint64_t unit = info.f_frsize;
    return {info.f_bavail * unit, info.f_blocks * unit, info.f_bfree * unit};
}

}  // namespace korbit::platform
