// What the file system says about one path. Paths are UTF-8; relative paths
// are taken against the current folder.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace korbit::platform {

// True when `path` names an entry, itself: a symbolic link counts even when
// what it points to is gone.
bool entryExists(const std::string& path);

// True when `path` is a folder or a symbolic link to one.
bool isFolder(const std::string& path);

// The length of the entry at `path` (links followed) when it is not a
// folder; nothing when there is no such entry or it is a folder. Read from
// the folder entry: the file is not opened.
std::optional<std::uint64_t> fileLength(const std::string& path);

// The size of the regular file at `path` when it can be opened for reading;
// nothing for files that cannot be opened and for everything that is not a
// regular file (folders, pipes, sockets, devices: those are never opened).
std::optional<std::uint64_t> readableFileSize(const std::string& path);

// The entry's type in the shared MIME database ("text/plain",
// "inode/directory"). Only a regular file is looked into; a pipe, socket or
// device is named by its kind without being opened.
std::string mimeTypeName(const std::string& path);

// The description of that type, in the language of the user's locale
// ("plain text document", "folder"); nothing when there is no such entry.
std::optional<std::u16string> typeDescription(const std::string& path);

// The name a file manager shows for the entry: its file name, or a folder's
// own name ("/" for the root folder); "." and ".." are resolved first.
// Nothing when there is no such entry.
std::optional<std::u16string> displayName(const std::string& path);

}  // namespace korbit::platform
