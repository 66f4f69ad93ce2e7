#include "korbit/platform/drives.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace korbit::platform {

namespace {

namespace fs = std::filesystem;

std::vector<std::string_view> splitOn(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find(separator, start);
        const std::size_t stop = end == std::string_view::npos ? text.size() : end;
        parts.push_back(text.substr(start, stop - start));
        start = stop + 1;
    }
    return parts;
}

bool isOctal(char c) { return c >= '0' && c <= '7'; }

// The table writes space, tab, newline and backslash as "\" and three octal digits.
std::string decodeEscapes(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && isOctal(field[i + 1]) && isOctal(field[i + 2]) &&
            isOctal(field[i + 3])) {
            const int value = (field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0');
            out.push_back(static_cast<char>(value));
            i += 3;
        } else {
            out.push_back(field[i]);
        }
    }
    return out;
}

bool hasReadOnlyOption(std::string_view options) {
    for (std::string_view option : splitOn(options, ',')) {
        if (option == "ro") {
            return true;
        }
    }
    return false;
}

std::optional<MountEntry> parseLine(std::string_view line) {
    // id parent major:minor root mountpoint options [optional...] - fstype source superoptions
    std::vector<std::string_view> fields;
    for (std::string_view field : splitOn(line, ' ')) {
        if (!field.empty()) {
            fields.push_back(field);
        }
    }
    std::size_t separator = 6;
    while (separator < fields.size() && fields[separator] != "-") {
        ++separator;
    }
    if (separator + 1 >= fields.size() || fields[4].empty() || fields[4].front() != '/') {
        return std::nullopt;
    }
    MountEntry entry;
    entry.mountPoint = decodeEscapes(fields[4]);
    entry.fileSystem = decodeEscapes(fields[separator + 1]);
    entry.readOnly = hasReadOnlyOption(fields[5]) ||
                     (separator + 3 < fields.size() && hasReadOnlyOption(fields[separator + 3]));
    return entry;
}

bool holds(std::string_view mountPoint, std::string_view path) {
    if (mountPoint == "/") {
        return !path.empty() && path.front() == '/';
    }
    return path.starts_with(mountPoint) && (path.size() == mountPoint.size() || path[mountPoint.size()] == '/');
}

}  // namespace

std::vector<MountEntry> parseMountInfo(std::string_view text) {
    std::vector<MountEntry> mounts;
    for (std::string_view line : splitOn(text, '\n')) {
        if (auto entry = parseLine(line)) {
            mounts.push_back(std::move(*entry));
        }
    }
    return mounts;
}

std::vector<MountEntry> currentMounts() {
    std::ifstream table("/proc/self/mountinfo", std::ios::binary);
    if (!table) {
        return {};
    }
    const std::string text{std::istreambuf_iterator<char>(table), std::istreambuf_iterator<char>()};
    return parseMountInfo(text);
}

const MountEntry* mountHolding(const std::vector<MountEntry>& mounts, std::string_view absolutePath) {
    const MountEntry* best = nullptr;
    for (const MountEntry& mount : mounts) {
        if (holds(mount.mountPoint, absolutePath) &&
            (best == nullptr || mount.mountPoint.size() >= best->mountPoint.size())) {
            best = &mount;
        }
    }
    return best;
}

bool isWritable(const MountEntry& mount) {
    return !mount.readOnly && mount.fileSystem != "iso9660" && mount.fileSystem != "udf";
}

std::optional<std::string> resolvePath(std::string_view path) {
    if (path.empty()) {
        return std::nullopt;
    }
    std::error_code error;
    const fs::path absolute = fs::absolute(fs::path(path), error);
    if (error) {
        return std::nullopt;
    }
    fs::path resolved = fs::weakly_canonical(absolute, error);
    if (error) {
        resolved = absolute.lexically_normal();
    }
    std::string text = resolved.string();
    while (text.size() > 1 && text.back() == '/') {
        text.pop_back();
    }
    return text;
}

std::optional<std::string> mountPointOf(std::string_view path, const std::vector<MountEntry>& mounts) {
    const std::optional<std::string> resolved = resolvePath(path);
    if (!resolved) {
        return std::nullopt;
    }
    const MountEntry* mount = mountHolding(mounts, *resolved);
    if (mount == nullptr) {
        return std::nullopt;
    }
    return mount->mountPoint;
}

bool isOnWritableDrive(std::string_view path, const std::vector<MountEntry>& mounts) {
    const std::optional<std::string> resolved = resolvePath(path);
    if (!resolved) {
        return false;
    }
    const MountEntry* mount = mountHolding(mounts, *resolved);
    return mount != nullptr && isWritable(*mount);
}

}  // namespace korbit::platform
