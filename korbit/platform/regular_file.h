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

// Replaces the content of `path` as a whole: the new content goes to a
// temporary file beside it, is flushed to the disk and renamed over it, so a
// reader or a crash sees either the old content or the new one. A file that
// was there keeps its permission bits; a new one gets 0666 less the umask. A
// symbolic link at `path` is replaced by the file. Returns 0, or the
// system's error number with `path` as it was: EINVAL when something other
// than a regular file or a link is there, EACCES when the file has no write
// permission bit or the user may not write it.
int replaceRegularFile(const std::string& path, std::string_view content);

// Appends `content` to the regular file `path` (created when missing) and
// flushes it to the disk. Returns 0 or the system's error number: EINVAL for
// a pipe, socket or device, EACCES as replaceRegularFile gives it.
int appendToRegularFile(const std::string& path, std::string_view content);

// True when `info`, the status of `path`, is that of a regular file with a
// write permission bit that the user may write. The bits are looked at even
// for the superuser, who could write anything: a file marked read-only is
// left alone.
bool writableRegularFile(const struct stat& info, const std::string& path);

// Reads `fd` to its end, handing `take` one chunk at a time; false on a read
// error or when `take` answers false.
bool readChunks(int fd, const std::function<bool(std::string_view chunk)>& take);

// Reads from `fd` until `buffer` is full or the file ends; returns the count
// (what was read before an error, too).
std::size_t readAtMost(int fd, std::span<std::uint8_t> buffer);

// Writes all of `data` to `fd`; false on a write error.
bool writeAll(int fd, std::string_view data);

// The folder part of `path`: "." when it has none, "/" for an entry of the root.
std::string parentFolder(const std::string& path);

// Creates a new, empty file beside `path` under a name of its own, with
// permission bits `mode` (less the umask), and puts its name in `temporary`.
// The file is never one that was there before.
Descriptor createFileBeside(const std::string& path, mode_t mode, std::string& temporary);

}  // namespace korbit::platform
