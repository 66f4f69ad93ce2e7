#include "korbit/utilities/array_file_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>

#include "korbit/platform/text_encoding.h"

namespace korbit::utilities {

using control::AutomationError;

namespace {

std::string osPathOf(const control::Text& file) {
    std::optional<std::string> path = platform::toOsPath(file);
    if (!path || path->empty()) {
        throw AutomationError::pathNotFound();
    }
    return *path;
}

AutomationError errorOf(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
        case EROFS:
            return AutomationError::permissionDenied();
        case ENOENT:
        case ENOTDIR:
            return AutomationError::pathNotFound();
        default:
            return AutomationError{control::status::kException, 75, "Path/File access error"};
    }
}

// Writes everything and flushes it to the disk; false on any failure.
bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return ::fsync(fd) == 0;
}

}  // namespace

void storeArrayFile(const control::Text& file, const std::string& bytes, bool append) {
    const std::string path = osPathOf(file);
    if (append) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
        if (fd < 0) {
            throw errorOf(errno);
        }
        const bool ok = writeAll(fd, bytes);
        const int error = errno;
        if (::close(fd) != 0 || !ok) {
            throw errorOf(ok ? errno : error);
        }
        return;
    }

    // A fresh name beside the file; O_EXCL makes sure it is ours.
    std::string temporary;
    int fd = -1;
    for (unsigned attempt = 0; fd < 0; ++attempt) {
        temporary = path + ".new-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && (errno != EEXIST || attempt > 100)) {
            throw errorOf(errno);
        }
    }
    struct stat existing{};
    if (::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        (void)::fchmod(fd, existing.st_mode & 07777);  // the file keeps its permissions
    }
    const bool ok = writeAll(fd, bytes);
    const int error = errno;
    const bool closed = ::close(fd) == 0;
    if (!ok || !closed || ::rename(temporary.c_str(), path.c_str()) != 0) {
        const int failure = !ok ? error : errno;
        ::unlink(temporary.c_str());
        throw errorOf(failure);
    }
}

std::string loadArrayFile(const control::Text& file) {
    std::ifstream in(osPathOf(file), std::ios::binary);
    if (!in) {
        throw AutomationError::fileNotFound();
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        throw errorOf(EIO);
    }
    return bytes;
}

}  // namespace korbit::utilities
