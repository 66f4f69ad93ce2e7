#include "korbit/utilities/array_file_store.h"

#include <cerrno>
#include <optional>
#include <utility>

#include "korbit/platform/atomic_file.h"
#include "korbit/platform/regular_file.h"
#include "korbit/platform/text_encoding.h"

namespace korbit::utilities {

namespace {

engine::Result<std::string> osPathOf(const control::Text& file) {
    std::optional<std::string> path = platform::toOsPath(file);
    if (!path || path->empty()) {
        return engine::Status{engine::ErrorCode::NotFound, "the array file's name names no file"};
    }
    return std::move(*path);
}

}  // namespace

engine::Status storeArrayFile(const control::Text& file, const std::string& bytes, bool append) {
    const engine::Result<std::string> path = osPathOf(file);
    if (!path) {
        return path.status();
    }
    return append ? platform::appendToRegularFile(path.value(), bytes) : platform::replaceFile(path.value(), bytes);
}

engine::Result<std::string> loadArrayFile(const control::Text& file) {
    const engine::Result<std::string> path = osPathOf(file);
    if (!path) {
        return path.status();
    }
    std::optional<std::string> bytes = platform::readRegularFile(path.value());
    if (!bytes) {
        return platform::systemFailure(errno != 0 ? errno : EIO, "reading " + path.value());
    }
    return std::move(*bytes);
}

}  // namespace korbit::utilities
