#include "korbit/utilities/array_file_store.h"

#include <cerrno>
#include <optional>
#include <utility>

#include "korbit/platform/regular_file.h"
#include "korbit/platform/text_encoding.h"

namespace korbit::utilities {

using control::AutomationError;

namespace {

std::string osPathOf(const control::Text& file) {
    std::optional<std::string> path = platform::toOsPath(file);
    if (!path || path->empty()) {
        throw AutomationError::pathNotFound();
    }
    return *path;
}

AutomationError errorOf(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
        case EROFS:
            return AutomationError::permissionDenied();
        case ENOENT:
        case ENOTDIR:
            return AutomationError::pathNotFound();
        default:
            return AutomationError{control::status::kException, 75, "Path/File access error"};
    }
}

}  // namespace

void storeArrayFile(const control::Text& file, const std::string& bytes, bool append) {
    const std::string path = osPathOf(file);
    const int error = append ? platform::appendToRegularFile(path, bytes) : platform::replaceRegularFile(path, bytes);
    if (error != 0) {
        throw errorOf(error);
    }
}

std::string loadArrayFile(const control::Text& file) {
    std::optional<std::string> bytes = platform::readRegularFile(osPathOf(file));
    if (!bytes) {
        throw errorOf(errno);
    }
    return std::move(*bytes);
}

}  // namespace korbit::utilities
