#include "korbit/platform/file_copy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "korbit/platform/atomic_file.h"
#include "korbit/platform/regular_file.h"

namespace korbit::platform {

namespace {

bool copyBytes(int from, int to) {
    for (;;) {
        const ssize_t n = ::copy_file_range(from, nullptr, to, nullptr, std::size_t{1} << 30, 0);
        if (n == 0) {
            return true;
        }
        if (n > 0) {
            continue;
        }
        if (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP) {
            break;
        }
        return false;
    }
    return readChunks(from, [to](std::string_view chunk) { return writeAll(to, chunk); });
}

// The permission bits a copy gets: the source's, never set-user-ID,
// set-group-ID or sticky (a copy made by one user of another's program must
// not run as its maker).
unsigned copyMode(const struct stat& source) { return source.st_mode & 0777U; }

// The content, permission bits and modification time of `source` into `out`.
bool fill(int in, const struct stat& source, int out) {
    const struct timespec times[2] = {{0, UTIME_OMIT}, source.st_mtim};
    return copyBytes(in, out) && ::fchmod(out, copyMode(source)) == 0 && ::futimens(out, times) == 0;
}

int errorOr(int fallback) { return errno != 0 ? errno : fallback; }

int copyToNewFile(int in, const struct stat& source, const std::string& to) {
    Descriptor out(::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!out.valid()) {
        return errno;
    }
    if (!fill(in, source, out.get()) || out.closeNow() != 0) {
        const int error = errorOr(EIO);
        ::unlink(to.c_str());  // a partial copy would look like a good one
        return error;
    }
    return 0;
}

// The entry `to` itself is replaced, a symbolic link included: the copy goes
// where the name is, never through it.
int copyOverExisting(int in, const struct stat& source, const std::string& to) {
    const std::string folderPath = parentFolder(to);
    const Descriptor folder(::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid()) {
        return errorOr(EIO);
    }
    const std::size_t slash = to.rfind('/');
    engine::Result<Replacement> out =
        Replacement::create(folder.get(), folderPath, slash == std::string::npos ? to : to.substr(slash + 1));
    if (!out) {
        return out.status().systemError();
    }
    const struct timespec times[2] = {{0, UTIME_OMIT}, source.st_mtim};
    if (!copyBytes(in, out->descriptor()) || ::futimens(out->descriptor(), times) != 0) {
        return errorOr(EIO);
    }
    const engine::Status committed = out->commit(copyMode(source));
    return committed ? 0 : committed.systemError();
}

}  // namespace

int copyRegularFile(const std::string& from, const std::string& to, ExistingTarget existing) {
    const Descriptor in = openRegularFile(from, O_RDONLY);
    struct stat source {};
    if (!in.valid() || ::fstat(in.get(), &source) != 0) {
        return errorOr(EIO);
    }
    struct stat target {};
    if (::lstat(to.c_str(), &target) != 0) {
        return errno == ENOENT ? copyToNewFile(in.get(), source, to) : errno;
    }
    if (existing == ExistingTarget::kKeep) {
        return EEXIST;
    }
    if (S_ISDIR(target.st_mode)) {
        return EISDIR;
    }
    if (S_ISREG(target.st_mode)) {
        if (target.st_dev == source.st_dev && target.st_ino == source.st_ino) {
            return EINVAL;
        }
        if (!writableRegularFile(target, to)) {
            return EACCES;
        }
    } else if (!S_ISLNK(target.st_mode)) {
        return EINVAL;
    }
    return copyOverExisting(in.get(), source, to);
}

}  // namespace korbit::platform
