#include "korbit/platform/environment.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace korbit::platform {

namespace {

bool isAbsolute(std::string_view path) { return !path.empty() && path.front() == '/'; }

}  // namespace

std::optional<std::string> absoluteVariable(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || !isAbsolute(value)) {
        return std::nullopt;
    }
    return std::string(value);
}

std::optional<std::string> homeFolder() {
    if (auto home = absoluteVariable("HOME")) {
        return home;
    }
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr && isAbsolute(found->pw_dir)) {
        return std::string(found->pw_dir);
    }
    return std::nullopt;
}

std::optional<std::string> baseFolder(const char* variable, std::string_view defaultUnderHome) {
    if (auto value = absoluteVariable(variable)) {
        return value;
    }
    if (auto home = homeFolder()) {
        return *home + "/" + std::string(defaultUnderHome);
    }
    return std::nullopt;
}

}  // namespace korbit::platform
