#include "korbit/platform/regular_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>

namespace korbit::platform {

namespace {

constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;

int errorOr(int fallback) { return errno != 0 ? errno : fallback; }

}  // namespace

Descriptor openRegularFile(const std::string& path, int flags) {
    // Looked at first so that a device is not even opened (opening some has
    // effects of its own), and again once open: the entry may have changed.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode)) {
            errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
            return Descriptor(-1);
        }
    } else if (errno != ENOENT || (flags & O_CREAT) == 0) {
        return Descriptor(-1);
    }
    Descriptor fd(::open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666));
    if (!fd.valid()) {
        return fd;
    }
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        fd.closeNow();
        errno = EINVAL;
        return fd;
    }
    const int status = ::fcntl(fd.get(), F_GETFL);
    if (status < 0 || ::fcntl(fd.get(), F_SETFL, status & ~O_NONBLOCK) != 0) {
        const int error = errno;
        fd.closeNow();
        errno = error;
    }
    return fd;
}

std::optional<std::string> readRegularFile(const std::string& path) {
    const Descriptor in = openRegularFile(path, O_RDONLY);
    std::string content;
    const auto append = [&](std::string_view chunk) {
        content.append(chunk);
        return true;
    };
    if (!in.valid() || !readChunks(in.get(), append)) {
        return std::nullopt;
    }
    return content;
}

bool writableRegularFile(const struct stat& info, const std::string& path) {
    return S_ISREG(info.st_mode) && (info.st_mode & kAnyWrite) != 0 && ::access(path.c_str(), W_OK) == 0;
}

int replaceRegularFile(const std::string& path, std::string_view content) {
    struct stat existing {};
    bool replacing = false;
    if (::lstat(path.c_str(), &existing) == 0) {
        replacing = S_ISREG(existing.st_mode);
        if (!replacing && !S_ISLNK(existing.st_mode)) {
            return S_ISDIR(existing.st_mode) ? EISDIR : EINVAL;
        }
        if (replacing && !writableRegularFile(existing, path)) {
            return EACCES;
        }
    } else if (errno != ENOENT) {
        return errno;
    }
    std::string temporary;
    Descriptor out = createFileBeside(path, 0666, temporary);
    if (!out.valid()) {
        return errorOr(EIO);
    }
    const bool written = writeAll(out.get(), content) &&
                         (!replacing || ::fchmod(out.get(), existing.st_mode & 07777) == 0) &&
                         ::fsync(out.get()) == 0 && out.closeNow() == 0 &&
                         ::rename(temporary.c_str(), path.c_str()) == 0;
    if (!written) {
        const int error = errorOr(EIO);
        ::unlink(temporary.c_str());
        return error;
    }
    const Descriptor folder(::open(parentFolder(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid()) {
        ::fsync(folder.get());  // the rename itself survives a crash
    }
    return 0;
}

int appendToRegularFile(const std::string& path, std::string_view content) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode) && !writableRegularFile(existing, path)) {
        return EACCES;
    }
    Descriptor out = openRegularFile(path, O_WRONLY | O_CREAT | O_APPEND);
    if (!out.valid()) {
        return errorOr(EIO);
    }
    if (!writeAll(out.get(), content) || ::fsync(out.get()) != 0 || out.closeNow() != 0) {
        return errorOr(EIO);
    }
    return 0;
}

bool readChunks(int fd, const std::function<bool(std::string_view chunk)>& take) {
    std::array<char, 65536> buffer{};
    for (;;) {
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n == 0) {
            return true;
        }
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (!take(std::string_view(buffer.data(), static_cast<std::size_t>(n)))) {
            return false;
        }
    }
}

std::size_t readAtMost(int fd, std::span<std::uint8_t> buffer) {
    std::size_t got = 0;
    while (got < buffer.size()) {
        const ssize_t n = ::read(fd, buffer.data() + got, buffer.size() - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    return got;
}

bool writeAll(int fd, std::string_view data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string parentFolder(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

Descriptor createFileBeside(const std::string& path, mode_t mode, std::string& temporary) {
    static std::atomic<unsigned> counter{0};
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folder + "." + name + ".new-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        Descriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
        if (fd.valid() || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return Descriptor(-1);
}

}  // namespace korbit::platform
