#include "korbit/platform/profile_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "korbit/platform/regular_file.h"

namespace korbit::platform {

namespace {

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

}  // namespace

bool rewriteProfileFile(const std::string& path, const std::function<bool(std::string& content)>& edit) {
    const auto target = targetOf(path);
    if (!target || target->empty()) {
        return false;
    }
    Descriptor folder(::open(parentFolder(*target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid()) {
        return false;
    }
    while (::flock(folder.get(), LOCK_EX) != 0) {
        if (errno != EINTR) {
            return false;
        }
    }
    std::string content;
    struct stat info {};
    if (::stat(target->c_str(), &info) == 0) {
        if (!writableRegularFile(info, *target)) {
            return false;
        }
        const auto current = readRegularFile(*target);
        if (!current) {
            return false;
        }
        content = *current;
    } else if (errno != ENOENT) {
        return false;
    }
    if (!edit(content)) {
        return true;
    }
    return replaceRegularFile(*target, content) == 0;
}

}  // namespace korbit::platform
