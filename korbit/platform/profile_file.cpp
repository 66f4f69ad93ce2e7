#include "korbit/platform/profile_file.h"
#include "korbit/platform/descriptor.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <utility>

namespace korbit::platform {

namespace {


bool readAll(int fd, std::string& out) {
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) {
            return true;
        }
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        out.append(buffer, static_cast<std::size_t>(n));
    }
}

bool writeAll(int fd, const std::string& data) {
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

// The file a rewrite replaces: `path` itself, or what its symbolic link names.
std::optional<std::string> targetOf(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
        return path;
    }
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) {
        return std::nullopt;
    }
    return std::string(resolved);
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string temporaryNameBeside(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return folder + "." + name + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
}

// Writes `content` into a new file beside `target` and renames it over it.
bool replaceFile(const std::string& target, const std::string& content, std::optional<mode_t> mode, int folderFd) {
    const std::string temporary = temporaryNameBeside(target);
    Descriptor out(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!out.valid()) {
        return false;
    }
    const bool written = writeAll(out.get(), content) && (!mode || ::fchmod(out.get(), *mode) == 0) &&
                         ::fsync(out.get()) == 0 && ::close(out.release()) == 0 &&
                         ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!written) {
        ::unlink(temporary.c_str());
        return false;
    }
    ::fsync(folderFd);
    return true;
}

}  // namespace

std::optional<std::string> readProfileFile(const std::string& path) {
    Descriptor in(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (!in.valid() || ::fstat(in.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    std::string content;
    if (!readAll(in.get(), content)) {
        return std::nullopt;
    }
    return content;
}

bool rewriteProfileFile(const std::string& path, const std::function<bool(std::string& content)>& edit) {
    const auto target = targetOf(path);
    if (!target || target->empty()) {
        return false;
    }
    Descriptor folder(::open(folderOf(*target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid()) {
        return false;
    }
    while (::flock(folder.get(), LOCK_EX) != 0) {
        if (errno != EINTR) {
            return false;
        }
    }
    std::string content;
    std::optional<mode_t> mode;
    struct stat info {};
    if (::stat(target->c_str(), &info) == 0) {
        constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;
        if (!S_ISREG(info.st_mode) || (info.st_mode & kAnyWrite) == 0 || ::access(target->c_str(), W_OK) != 0) {
            return false;
        }
        const auto current = readProfileFile(*target);
        if (!current) {
            return false;
        }
        content = *current;
        mode = info.st_mode & 07777;
    } else if (errno != ENOENT) {
        return false;
    }
    if (!edit(content)) {
        return true;
    }
    return replaceFile(*target, content, mode, folder.get());
}

}  // namespace korbit::platform
