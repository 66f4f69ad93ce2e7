#include "korbit/platform/loaded_library.h"

#include <dlfcn.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "korbit/platform/ownership.h"

namespace korbit::platform {

namespace {

// The mapped file that holds `address`, from the process's memory map.
std::string mappedFile(const void* address) {
    const auto where = reinterpret_cast<std::uintptr_t>(address);
    std::ifstream maps("/proc/self/maps");
    std::string line;
    while (std::getline(maps, line)) {
        std::istringstream fields(line);
        std::string range, perms, offset, device, inode, path;
        fields >> range >> perms >> offset >> device >> inode;
        std::getline(fields >> std::ws, path);
        const std::size_t dash = range.find('-');
        if (dash == std::string::npos || path.empty() || path.front() != '/') {
            continue;
        }
        // strtoull rather than stoull: a std:: function template would be
        // exported from the component library.
        const std::uintptr_t low = std::strtoull(range.substr(0, dash).c_str(), nullptr, 16);
        const std::uintptr_t high = std::strtoull(range.substr(dash + 1).c_str(), nullptr, 16);
        if (where >= low && where < high) {
            return path;
        }
    }
    return {};
}

}  // namespace

engine::Result<void*> loadLibrary(const std::string& path) {
    if (const engine::Status owned = checkOwnedPath(path); !owned) {
        return owned;
    }
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* why = ::dlerror();
        return engine::Status{engine::ErrorCode::IoFailed, why != nullptr ? why : "unknown error"};
    }
    return handle;
}

void* entryPointOf(void* library, const char* name) { return ::dlsym(library, name); }

std::string fileHolding(const void* address) {
    Dl_info info{};
    if (::dladdr(address, &info) != 0 && info.dli_fname != nullptr && info.dli_fname[0] == '/') {
        return std::filesystem::path(info.dli_fname).lexically_normal().string();
    }
    // Loaded under a relative name: the memory map knows the file.
    return mappedFile(address);
}

std::string runningProgram() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : program.string();
}

}  // namespace korbit::platform
