#include "korbit/platform/file_metadata.h"

#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace korbit::platform {

namespace {

constexpr unsigned kPermissionBits = 0777U;
constexpr unsigned kWriteBits = 0222U;

// The names of a file's extended attributes; false with errno when they
// cannot be listed. A file system without extended attributes has none.
bool attributeNames(int fd, std::set<std::string>& names) {
    for (int attempt = 0; attempt < 8; ++attempt) {
        const ssize_t size = ::flistxattr(fd, nullptr, 0);
        if (size < 0) {
            return errno == ENOTSUP;
        }
        std::vector<char> list(static_cast<std::size_t>(size) + 1);
        const ssize_t got = ::flistxattr(fd, list.data(), list.size() - 1);
        if (got < 0 && errno == ERANGE) {
            continue;  // grew in between
        }
        if (got < 0) {
            return false;
        }
        for (std::size_t at = 0; at < static_cast<std::size_t>(got);) {
            const std::string name(list.data() + at);
            names.insert(name);
            at += name.size() + 1;
        }
        return true;
    }
    errno = EAGAIN;
    return false;
}

bool attributeValue(int fd, const std::string& name, std::vector<char>& value) {
    for (int attempt = 0; attempt < 8; ++attempt) {
        const ssize_t size = ::fgetxattr(fd, name.c_str(), nullptr, 0);
        if (size < 0) {
            return false;
        }
        value.resize(static_cast<std::size_t>(size));
        const ssize_t got = ::fgetxattr(fd, name.c_str(), value.data(), value.size());
        if (got >= 0) {
            value.resize(static_cast<std::size_t>(got));
            return true;
        }
        if (errno != ERANGE) {
            return false;
        }
    }
    errno = EAGAIN;
    return false;
}

}  // namespace

unsigned fileCreationMask() noexcept {
    // Linux shows the mask in the process's status since 4.7.
    FILE* status = std::fopen("/proc/self/status", "re");
    unsigned mask = 022U;
    if (status == nullptr) {
        return mask;
    }
    char line[256];
    while (std::fgets(line, sizeof line, status) != nullptr) {
        unsigned value = 0;
        if (std::sscanf(line, "Umask: %o", &value) == 1) {
            mask = value & kPermissionBits;
            break;
        }
    }
    std::fclose(status);
    return mask;
}

unsigned encryptedMode(unsigned mode) noexcept { return mode & kPermissionBits & ~kWriteBits; }

unsigned decryptedMode(unsigned mode, bool readOnly, unsigned mask) noexcept {
    if (readOnly) {
        return encryptedMode(mode);
    }
    const unsigned writeForReaders = (mode & 0444U) >> 1;
    return (mode | (writeForReaders & ~mask)) & kPermissionBits;
}

bool copyOwnerAndAttributes(int from, int to) {
    struct stat source {};
    struct stat target {};
    if (::fstat(from, &source) != 0 || ::fstat(to, &target) != 0) {
        return false;
    }
    if ((source.st_uid != target.st_uid || source.st_gid != target.st_gid) &&
        ::fchown(to, source.st_uid, source.st_gid) != 0) {
        return false;
    }
    std::set<std::string> wanted;
    std::set<std::string> present;
    if (!attributeNames(from, wanted) || !attributeNames(to, present)) {
        return false;
    }
    // What the new file got on its own (an ACL inherited from its folder,
    // say) and the original does not have, goes.
    for (const std::string& name : present) {
        if (wanted.count(name) == 0 && ::fremovexattr(to, name.c_str()) != 0) {
            return false;
        }
    }
    std::vector<char> value;
    for (const std::string& name : wanted) {
        if (!attributeValue(from, name, value)) {
            if (errno == ENODATA) {
                continue;  // removed in between
            }
            return false;
        }
        if (::fsetxattr(to, name.c_str(), value.data(), value.size(), 0) != 0) {
            return false;
        }
    }
    return true;
}

}  // namespace korbit::platform
