#include "korbit/platform/host_paths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <vector>

namespace korbit::platform {

std::string absolutePath(const std::string& path) {
    if (path.empty()) {
        return path;
    }
    std::filesystem::path full(path);
    if (!full.is_absolute()) {
        std::vector<char> buffer(4096);
        while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
            if (errno != ERANGE) {
                return {};
            }
            buffer.resize(buffer.size() * 2);
        }
        full = std::filesystem::path(buffer.data()) / full;
    }
    std::string normal = full.lexically_normal().string();
    if (normal.size() > 1 && normal.back() == '/') {
        normal.pop_back();
    }
    return normal;
}

bool isRegularFile(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace korbit::platform
