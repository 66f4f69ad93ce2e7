#include "korbit/platform/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>

#include "korbit/platform/atomic_file.h"

namespace korbit::platform {

engine::Result<Descriptor> lockFolder(const std::string& path) {
    Descriptor folder(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid()) {
        return systemFailure(errno, "opening the folder " + path);
    }
    while (::flock(folder.get(), LOCK_EX) != 0) {
        if (errno != EINTR) {
            return systemFailure(errno, "locking the folder " + path);
        }
    }
    return folder;
}

}  // namespace korbit::platform
