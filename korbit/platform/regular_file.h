// Reading and writing regular files without ever waiting. A named pipe
// without a writer (or reader), a terminal or another device can hold an
// ordinary open() or read() for good, and the control runs on its host's only
// thread: such entries are refused here, never opened for reading or writing.
// Paths are UTF-8; symbolic links are followed.
#pragma once

#include <sys/stat.h>

#include <functional>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "korbit/engine/status.h"
#include "korbit/platform/descriptor.h"

namespace korbit::platform {

// Opens the regular file `path` with `flags` (O_RDONLY, O_WRONLY or O_RDWR,
// with O_CREAT, O_APPEND if wanted; a new file gets 0666 less the umask).
// The open never waits, and the descriptor then works in blocking mode. On
// failure the descriptor is invalid and errno says why: EISDIR for a folder,
// EINVAL for a pipe, socket or device, otherwise the open's own error.
Descriptor openRegularFile(const std::string& path, int flags);

// The whole content of the regular file `path`; nothing when it is missing,
// not a regular file, or cannot be read.
std::optional<std::string> readRegularFile(const std::string& path);

// Appends `content` to the regular file `path` (created when missing, with
// 0666 less the creation mask) and flushes it to the disk. Fails with
// NotAFile for a folder, pipe, socket or device, AccessDenied for a file
// without any write permission bit or that the user may not write.
// (Replacing a file whole: atomic_file.h.)
engine::Status appendToRegularFile(const std::string& path, std::string_view content);

// True when `info`, the status of `path`, is that of a regular file with a
// write permission bit that the user may write. The bits are looked at even
// for the superuser, who could write anything: a file marked read-only is
// left alone.
bool writableRegularFile(const struct stat& info, const std::string& path);

// Reads `fd` to its end, handing `take` one chunk at a time; false on a read
// error or when `take` answers false.
bool readChunks(int fd, const std::function<bool(std::string_view chunk)>& take);

// The first bytes of the regular file `path`, up to buffer.size() of them;
// their count. Fails: NotAFile for a folder, pipe, socket or device (never
// opened, so never waited on), AccessDenied, NotFound.
engine::Result<std::size_t> readFileStart(const std::string& path, std::span<std::uint8_t> buffer);

// Reads from `fd` until `buffer` is full or the file ends; returns the count
// (what was read before an error, too).
std::size_t readAtMost(int fd, std::span<std::uint8_t> buffer);

// Writes all of `data` to `fd`; false on a write error.
bool writeAll(int fd, std::string_view data);

// The folder part of `path`: "." when it has none, "/" for an entry of the root.
std::string parentFolder(const std::string& path);

}  // namespace korbit::platform
