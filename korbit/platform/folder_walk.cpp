#include "korbit/platform/folder_walk.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

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

}  // namespace korbit::platform
