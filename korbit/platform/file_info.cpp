#include "korbit/platform/file_info.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QMimeDatabase>
#include <QMimeType>
#include <filesystem>
#include <system_error>

#include "korbit/platform/text_encoding.h"

namespace korbit::platform {

namespace {

namespace fs = std::filesystem;

std::uint64_t sizeOf(const struct stat& info) { return static_cast<std::uint64_t>(info.st_size); }

}  // namespace

bool entryExists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

bool isFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::optional<std::uint64_t> fileLength(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) {
        return std::nullopt;
    }
    return sizeOf(info);
}

std::optional<std::uint64_t> readableFileSize(const std::string& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0) {
        return std::nullopt;
    }
    struct stat info {};
    const bool ok = ::fstat(descriptor, &info) == 0 && !S_ISDIR(info.st_mode);
    ::close(descriptor);
    if (!ok) {
        return std::nullopt;
    }
    return sizeOf(info);
}

std::optional<std::u16string> typeDescription(const std::string& path) {
    if (!entryExists(path)) {
        return std::nullopt;
    }
    const QMimeDatabase database;
    const QMimeType type = database.mimeTypeForFile(QFile::decodeName(QByteArray::fromStdString(path)));
    return type.comment().toStdU16String();
}

std::optional<std::u16string> displayName(const std::string& path) {
    if (!entryExists(path)) {
        return std::nullopt;
    }
    std::error_code error;
    fs::path absolute = fs::absolute(fs::path(path), error);
    if (error) {
        absolute = fs::path(path);
    }
    std::string normal = absolute.lexically_normal().string();
    while (normal.size() > 1 && normal.back() == '/') {
        normal.pop_back();
    }
    if (normal == "/") {
        return u"/";
    }
    return fromUtf8(fs::path(normal).filename().string());
}

}  // namespace korbit::platform
