#include "korbit/platform/known_folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "korbit/platform/environment.h"
#include "korbit/platform/file_info.h"
#include "korbit/platform/regular_file.h"

namespace korbit::platform {

namespace {

namespace fs = std::filesystem;

std::string normalised(const std::string& path) {
    std::string text = fs::path(path).lexically_normal().string();
    while (text.size() > 1 && text.back() == '/') {
        text.pop_back();
    }
    return text;
}

bool isAbsolute(std::string_view path) { return !path.empty() && path.front() == '/'; }

std::optional<std::string> firstSystemConfigFolder() {
    if (const char* list = std::getenv("XDG_CONFIG_DIRS")) {
        std::string_view rest(list);
        while (!rest.empty()) {
            const std::size_t colon = rest.find(':');
            const std::string_view entry = rest.substr(0, colon);
            if (isAbsolute(entry)) {
                return std::string(entry);
            }
            rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
        }
    }
    return std::string("/etc/xdg");
}

std::optional<std::string> userDir(std::string_view key, std::string_view defaultUnderHome) {
    const std::optional<std::string> home = homeFolder();
    if (!home) {
        return std::nullopt;
    }
    if (const auto config = baseFolder("XDG_CONFIG_HOME", ".config")) {
        if (const auto text = readRegularFile(*config + "/user-dirs.dirs")) {
            if (auto assigned = userDirFromConfig(*text, key, *home)) {
                return assigned;
            }
        }
    }
    return *home + "/" + std::string(defaultUnderHome);
}

std::optional<std::string> placeOf(UserFolder folder) {
    switch (folder) {
        case UserFolder::Config:
            return baseFolder("XDG_CONFIG_HOME", ".config");
        case UserFolder::Data:
            return baseFolder("XDG_DATA_HOME", ".local/share");
        case UserFolder::Cache:
            return baseFolder("XDG_CACHE_HOME", ".cache");
        case UserFolder::Desktop:
            return userDir("XDG_DESKTOP_DIR", "Desktop");
        case UserFolder::Documents:
            return userDir("XDG_DOCUMENTS_DIR", "Documents");
        case UserFolder::Templates:
            return userDir("XDG_TEMPLATES_DIR", "Templates");
        case UserFolder::Fonts:
            if (auto data = baseFolder("XDG_DATA_HOME", ".local/share")) {
                return *data + "/fonts";
            }
            return std::nullopt;
        case UserFolder::Applications:
            if (auto data = baseFolder("XDG_DATA_HOME", ".local/share")) {
                return *data + "/applications";
            }
            return std::nullopt;
        case UserFolder::Autostart:
            if (auto config = baseFolder("XDG_CONFIG_HOME", ".config")) {
                return *config + "/autostart";
            }
            return std::nullopt;
        case UserFolder::SystemConfig:
            return firstSystemConfigFolder();
        case UserFolder::Programs:
            return std::string("/usr/bin");
        case UserFolder::SharedLibraries:
            return std::string("/usr/lib");
    }
    return std::nullopt;
}

// Creates `path` and its missing parents with mode 0700; true when it is a folder afterwards.
bool createFolderChain(const std::string& path) {
    if (isFolder(path)) {
        return true;
    }
    const std::size_t slash = path.rfind('/');
    if (slash != std::string::npos && slash > 0 && !createFolderChain(path.substr(0, slash))) {
        return false;
    }
    return ::mkdir(path.c_str(), 0700) == 0 || (errno == EEXIST && isFolder(path));
}

// Reads one value of a shell assignment: a double-quoted text with backslash
// escapes, or a bare word.
std::string shellValue(std::string_view text) {
    std::string value;
    if (!text.empty() && text.front() == '"') {
        for (std::size_t i = 1; i < text.size() && text[i] != '"'; ++i) {
            if (text[i] == '\\' && i + 1 < text.size()) {
                ++i;
            }
            value.push_back(text[i]);
        }
    } else {
        const std::size_t end = text.find_first_of(" \t\r#");
        value = std::string(text.substr(0, end));
    }
    return value;
}

}  // namespace

std::optional<std::string> userDirFromConfig(std::string_view configText, std::string_view key, std::string_view home) {
    std::optional<std::string> result;
    while (!configText.empty()) {
        const std::size_t newline = configText.find('\n');
        std::string_view line = configText.substr(0, newline);
        configText = newline == std::string_view::npos ? std::string_view{} : configText.substr(newline + 1);

        line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
        if (!line.starts_with(key) || line.size() == key.size() || line[key.size()] != '=') {
            continue;
        }
        const std::string value = shellValue(line.substr(key.size() + 1));
        if (value == "$HOME" || value.starts_with("$HOME/")) {
            result = std::string(home) + value.substr(5);
        } else if (isAbsolute(value)) {
            result = value;
        }
    }
    return result;
}

FolderLocation locateUserFolder(UserFolder folder, bool createIfMissing) {
    const std::optional<std::string> place = placeOf(folder);
    if (!place) {
        return {FolderState::Unknown, {}};
    }
    std::string path = normalised(*place);
    if (isFolder(path)) {
        return {FolderState::Present, std::move(path)};
    }
    if (!createIfMissing) {
        return {FolderState::Missing, std::move(path)};
    }
    if (createFolderChain(path)) {
        return {FolderState::Present, std::move(path)};
    }
    return {FolderState::Unknown, {}};
}

}  // namespace korbit::platform
