#include "korbit/platform/file_info.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <QFile>
#include <QMimeDatabase>
#include <QMimeType>
#include <filesystem>
#include <system_error>

#include "korbit/platform/regular_file.h"
#include "korbit/platform/text_encoding.h"

namespace korbit::platform {

namespace {

namespace fs = std::filesystem;

std::uint64_t sizeOf(const struct stat& info) { return static_cast<std::uint64_t>(info.st_size); }

// The database may look into a regular file's first bytes; a pipe, socket or
// device is named by its kind instead, so it is never opened.
QMimeType mimeTypeOf(const std::string& path) {
    const QMimeDatabase database;
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode)) {
        return database.mimeTypeForName(S_ISFIFO(info.st_mode)  ? QStringLiteral("inode/fifo")
                                        : S_ISCHR(info.st_mode) ? QStringLiteral("inode/chardevice")
                                        : S_ISBLK(info.st_mode) ? QStringLiteral("inode/blockdevice")
                                                                : QStringLiteral("inode/socket"));
    }
    return database.mimeTypeForFile(QFile::decodeName(QByteArray::fromStdString(path)));
}

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
    const Descriptor file = openRegularFile(path, O_RDONLY);
    struct stat info {};
    if (!file.valid() || ::fstat(file.get(), &info) != 0) {
        return std::nullopt;
    }
    return sizeOf(info);
}

std::string mimeTypeName(const std::string& path) { return mimeTypeOf(path).name().toStdString(); }

std::optional<std::u16string> typeDescription(const std::string& path) {
    if (!entryExists(path)) {
        return std::nullopt;
    }
    return mimeTypeOf(path).comment().toStdU16String();
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
