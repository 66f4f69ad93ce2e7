#include "korbit/platform/rewrite_check.h"

#include <fcntl.h>
#include <grp.h>
#include <linux/fs.h>
#include <linux/magic.h>
#include <pwd.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <vector>

#include "korbit/engine/container.h"
#include "korbit/platform/descriptor.h"
#include "korbit/platform/regular_file.h"

namespace korbit::platform {

namespace {

// File systems whose files are the kernel's interfaces, not data on a disk:
// what is written to them is a command, and they cannot be replaced.
struct PseudoFileSystem {
    long magic;
    const char* name;
};
constexpr PseudoFileSystem kPseudoFileSystems[] = {
    {PROC_SUPER_MAGIC, "proc"},        {SYSFS_MAGIC, "sysfs"},
    {DEBUGFS_MAGIC, "debugfs"},        {0x62656570L, "configfs"},
    {CGROUP_SUPER_MAGIC, "cgroup"},    {CGROUP2_SUPER_MAGIC, "cgroup2"},
    {TRACEFS_MAGIC, "tracefs"},        {DEVPTS_SUPER_MAGIC, "devpts"},
    {SECURITYFS_MAGIC, "securityfs"},  {BPF_FS_MAGIC, "bpf"},
    {PSTOREFS_MAGIC, "pstore"},        {EFIVARFS_MAGIC, "efivarfs"},
    {SELINUX_MAGIC, "selinuxfs"},      {SMACK_MAGIC, "smackfs"},
    {BINFMTFS_MAGIC, "binfmt_misc"},   {0x65735543L, "fusectl"},
    {HUGETLBFS_MAGIC, "hugetlbfs"},    {0x19800202L, "mqueue"},
};

const char* pseudoFileSystemOf(int fd) {
    struct statfs fs {};
    if (::fstatfs(fd, &fs) != 0) {
        return nullptr;
    }
    for (const PseudoFileSystem& pseudo : kPseudoFileSystems) {
        if (static_cast<std::uint32_t>(fs.f_type) == static_cast<std::uint32_t>(pseudo.magic)) {
            return pseudo.name;
        }
    }
    return nullptr;
}

std::string ownerName(uid_t uid) {
    std::vector<char> buffer(16384);
    passwd entry {};
    passwd* found = nullptr;
    if (::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr) {
        return found->pw_name;
    }
    return "user " + std::to_string(uid);
}

bool inOurGroups(gid_t gid) {
    if (gid == ::getegid()) {
        return true;
    }
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(static_cast<std::size_t>(count > 0 ? count : 0));
    if (count > 0 && ::getgroups(count, groups.data()) == count) {
        for (const gid_t g : groups) {
            if (g == gid) {
                return true;
            }
        }
    }
    return false;
}

engine::Status refused(engine::ErrorCode code, int error, const std::string& sentence) { return {code, sentence, error}; }

}  // namespace

engine::Status checkRewritable(const std::string& path, bool fallbackAvailable) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR) {
            return refused(engine::ErrorCode::NotFound, error, "There is no file " + path + ".");
        }
        return refused(engine::ErrorCode::AccessDenied, error,
                       "You cannot reach " + path + ": " + std::strerror(error) + ".");
    }
    const std::string file = resolved;
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) {
        const int error = errno;
        return refused(engine::ErrorCode::AccessDenied, error,
                       "You cannot reach " + path + ": " + std::strerror(error) + ".");
    }
    if (S_ISDIR(st.st_mode)) {
        return refused(engine::ErrorCode::NotAFile, EISDIR, path + " is a folder: only files can be encrypted.");
    }
    if (!S_ISREG(st.st_mode)) {
        return refused(engine::ErrorCode::NotAFile, EINVAL,
                       path + " is a device, a pipe or a socket, not a file: only files can be encrypted.");
    }
    // Opened without blocking and without following a link swapped in since.
    const Descriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC));
    if (fd.valid()) {
        if (const char* pseudo = pseudoFileSystemOf(fd.get())) {
            return refused(engine::ErrorCode::NotAFile, EINVAL,
                           path + " is an interface of the system's kernel (" + pseudo +
                               "), not a file on a disk: it cannot be encrypted.");
        }
    }
    if (static_cast<std::uint64_t>(st.st_size) > engine::kMaxFileBytes) {
        return refused(engine::ErrorCode::TooLarge, EFBIG,
                       path + " is too large: an encrypted file holds 64 GB at most.");
    }
    struct statvfs mount {};
    if (::statvfs(file.c_str(), &mount) == 0 && (mount.f_flag & ST_RDONLY) != 0) {
        return refused(engine::ErrorCode::AccessDenied, EROFS,
                       "You cannot change " + path + ": it is on a read-only file system.");
    }
    int flags = 0;
    if (fd.valid() && ::ioctl(fd.get(), FS_IOC_GETFLAGS, &flags) == 0) {
        if ((flags & FS_IMMUTABLE_FL) != 0) {
            return refused(engine::ErrorCode::AccessDenied, EPERM,
                           "You cannot change " + path + ": it is marked immutable.");
        }
        if ((flags & FS_APPEND_FL) != 0) {
            return refused(engine::ErrorCode::AccessDenied, EPERM,
                           "You cannot change " + path + ": it may only be appended to.");
        }
    }

    const uid_t me = ::geteuid();
    const std::string folder = parentFolder(file);
    const bool folderWritable = ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
    const bool fileWritable = ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) == 0 || st.st_uid == me;
    // Replaced beside itself: a new file in the folder that gets the file's
    // owner and group, renamed over it.
    const bool beside = folderWritable && st.st_nlink == 1 && (me == 0 || (st.st_uid == me && inOurGroups(st.st_gid)));
    // Written in place from a complete temporary file.
    const bool inPlace = fileWritable && (folderWritable || fallbackAvailable);
    if (beside || inPlace) {
        return engine::Status::ok();
    }
    if (st.st_uid != me) {
        return refused(engine::ErrorCode::AccessDenied, EACCES,
                       "You cannot change " + path + ": it belongs to " + ownerName(st.st_uid) +
                           " and you may not write to it.");
    }
    return refused(engine::ErrorCode::AccessDenied, EACCES,
                   "You cannot change " + path +
                       ": you may not write to its folder, and you have no settings folder for its temporary file.");
}

}  // namespace korbit::platform
