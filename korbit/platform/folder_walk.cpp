#include "korbit/platform/folder_walk.h"
#include "korbit/platform/descriptor.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>

namespace korbit::platform {

namespace {

char foldAscii(char c) noexcept { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool lessByName(const std::string& a, const std::string& b) noexcept {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const char x = foldAscii(a[i]);
        const char y = foldAscii(b[i]);
        if (x != y) {
            return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
        }
    }
    if (a.size() != b.size()) {
        return a.size() < b.size();
    }
    return a < b;
}

std::string joined(const std::string& folder, const std::string& name) {
    return !folder.empty() && folder.back() == '/' ? folder + name : folder + "/" + name;
}


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
    std::array<char, 65536> buffer{};
    for (;;) {
        const ssize_t n = ::read(from, buffer.data(), buffer.size());
        if (n == 0) {
            return true;
        }
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        for (ssize_t done = 0; done < n;) {
            const ssize_t w = ::write(to, buffer.data() + done, static_cast<std::size_t>(n - done));
            if (w < 0) {
                if (errno == EINTR) {
                    continue;
                }
                return false;
            }
            done += w;
        }
    }
}

}  // namespace

std::optional<std::vector<FolderEntry>> listFolder(const std::string& path) {
    DIR* dir = ::opendir(path.c_str());
    if (dir == nullptr) {
        return std::nullopt;
    }
    std::vector<FolderEntry> entries;
    entries.push_back({".", true, false});
    entries.push_back({"..", true, false});
    while (const dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name == "." || name == "..") {
            continue;
        }
        FolderEntry entry{name, e->d_type == DT_DIR, e->d_type == DT_LNK};
        if (e->d_type == DT_UNKNOWN || e->d_type == DT_LNK) {
            struct stat info {};
            const std::string full = joined(path, name);
            if (::lstat(full.c_str(), &info) == 0) {
                entry.isLink = S_ISLNK(info.st_mode);
                entry.isFolder = S_ISDIR(info.st_mode);
                if (entry.isLink && ::stat(full.c_str(), &info) == 0) {
                    entry.isFolder = S_ISDIR(info.st_mode);
                }
            }
        }
        entries.push_back(std::move(entry));
    }
    ::closedir(dir);
    std::sort(entries.begin() + 2, entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return lessByName(a.name, b.name); });
    return entries;
}

std::optional<std::uint64_t> deviceOf(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    const std::uint64_t device = info.st_dev;
    return device;
}

bool staysInside(const std::string& root, const std::string& folder) {
    if (folder.compare(0, root.size(), root) != 0) {
        return false;
    }
    std::size_t at = root.size();
    while (at < folder.size()) {
        const std::size_t slash = folder.find('/', at + 1);
        const std::string part = folder.substr(0, slash);
        if (part.size() > root.size() && part.back() != '/') {
            struct stat info {};
            if (::lstat(part.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
                return false;
            }
        }
        if (slash == std::string::npos) {
            break;
        }
        at = slash;
    }
    return true;
}

int copyFileNoFollow(const std::string& from, const std::string& to) {
    struct stat source {};
    if (::stat(from.c_str(), &source) != 0) {
        return errno;
    }
    if (!S_ISREG(source.st_mode)) {
        return EINVAL;  // a pipe, socket or device is not copied: reading one may never end
    }
    const Descriptor in(::open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (in.get() < 0) {
        return errno;
    }
    const auto create = [&] {
        return ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, source.st_mode & 07777);
    };
    int fd = create();
    if (fd < 0 && errno == ELOOP) {  // a symbolic link is there: replace it
        if (::unlink(to.c_str()) != 0) {
            return errno;
        }
        fd = create();
    }
    const Descriptor out(fd);
    if (out.get() < 0) {
        return errno;
    }
    const struct timespec times[2] = {{0, UTIME_OMIT}, source.st_mtim};
    if (!copyBytes(in.get(), out.get()) || ::fchmod(out.get(), source.st_mode & 07777) != 0 ||
        ::futimens(out.get(), times) != 0) {
        const int error = errno != 0 ? errno : EIO;
        ::unlink(to.c_str());  // a partial copy would look newer than its source and never be repaired
        return error;
    }
    return 0;
}

}  // namespace korbit::platform
