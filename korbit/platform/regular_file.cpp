#include "korbit/platform/regular_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>

#include "korbit/platform/atomic_file.h"

namespace korbit::platform {

namespace {

// One read of up to `size` bytes, tried again when a signal cut it short
// before anything was read: what read() gives otherwise.
ssize_t readOnce(int fd, void* data, std::size_t size) {
    ssize_t n = 0;
    do {
        n = ::read(fd, data, size);
    } while (n < 0 && errno == EINTR);
    return n;
}

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

engine::Result<std::size_t> readFileStart(const std::string& path, std::span<std::uint8_t> buffer) {
    const Descriptor in = openRegularFile(path, O_RDONLY);
    if (!in.valid()) {
        return systemFailure(errorOr(EIO), "opening " + path);
    }
    return readAtMost(in.get(), buffer);
}

bool writableRegularFile(const struct stat& info, const std::string& path) {
    return S_ISREG(info.st_mode) && (info.st_mode & kAnyWrite) != 0 && ::access(path.c_str(), W_OK) == 0;
}

engine::Status appendToRegularFile(const std::string& path, std::string_view content) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode) && !writableRegularFile(existing, path)) {
        return systemFailure(EACCES, "writing " + path);
    }
    Descriptor out = openRegularFile(path, O_WRONLY | O_CREAT | O_APPEND);
    if (!out.valid()) {
        return systemFailure(errorOr(EIO), "opening " + path);
    }
    if (!writeAll(out.get(), content) || ::fsync(out.get()) != 0 || out.closeNow() != 0) {
        return systemFailure(errorOr(EIO), "writing " + path);
    }
    return engine::Status::ok();
}

bool readChunks(int fd, const std::function<bool(std::string_view chunk)>& take) {
    std::array<char, 65536> buffer{};
    for (ssize_t n; (n = readOnce(fd, buffer.data(), buffer.size())) != 0;) {
        if (n < 0 || !take(std::string_view(buffer.data(), static_cast<std::size_t>(n)))) {
            return false;
        }
    }
    return true;
}

std::size_t readAtMost(int fd, std::span<std::uint8_t> buffer) {
    std::size_t got = 0;
    for (ssize_t n; got < buffer.size() && (n = readOnce(fd, buffer.data() + got, buffer.size() - got)) > 0;) {
        got += static_cast<std::size_t>(n);
    }
    return got;
}

bool writeAll(int fd, std::string_view data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            if (n == 0) {
                errno = ENOSPC;  // nothing taken: retrying would spin
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

}  // namespace korbit::platform
