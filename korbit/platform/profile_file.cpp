#include "korbit/platform/profile_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "korbit/platform/atomic_file.h"
#include "korbit/platform/folder_lock.h"
#include "korbit/platform/regular_file.h"

namespace korbit::platform {

engine::Status rewriteProfileFile(const std::string& path, const std::function<bool(std::string& content)>& edit) {
    const engine::Result<std::string> target = replacedFileOf(path);
    if (!target) {
        return target.status();
    }
    const std::string& file = target.value();
    const engine::Result<Descriptor> lock = lockFolder(parentFolder(file));
    if (!lock) {
        return lock.status();
    }
    std::string content;
    struct stat info {};
    if (::stat(file.c_str(), &info) == 0) {
        if (!writableRegularFile(info, file)) {
            return systemFailure(S_ISREG(info.st_mode) ? EACCES : EINVAL, "writing " + file);
        }
        const auto current = readRegularFile(file);
        if (!current) {
            return systemFailure(errno != 0 ? errno : EIO, "reading " + file);
        }
        content = *current;
    } else if (errno != ENOENT) {
        return systemFailure(errno, "looking up " + file);
    }
    if (!edit(content)) {
        return engine::Status::ok();
    }
    return replaceFile(file, content);
}

}  // namespace korbit::platform
