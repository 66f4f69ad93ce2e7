// Files and folders changed on disk, and the questions about them that need
// the operating system. Paths are UTF-8; relative paths are taken against the
// current folder. Functions that report an error give the system's error
// number (0 for success); errorText() words it in the user's language.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korbit::platform {

// The system's description of error number `error` ("No such file or directory").
std::string errorText(int error);

// Creates the one folder `path` (its parent must exist).
int createFolder(const std::string& path);

// Creates `path` as a new empty file; fails when any entry, a dangling
// symbolic link included, is already there.
int createNewFile(const std::string& path);

// Renames `from` to `to`. Without `replace`, an existing `to` is left alone
// and the move fails; a regular file that cannot be renamed across file
// systems is copied whole and the original removed (when it cannot be
// removed, the copy is taken back). With `replace`, an existing `to` is
// replaced and a move across file systems fails.
int moveEntry(const std::string& from, const std::string& to, bool replace);

// Removes `path` and, for a folder, everything in it. Symbolic links are
// removed themselves, never followed.
int removeTree(const std::string& path);

// Truncates the regular file `path` to 0 bytes, flushes it to the disk and
// deletes it. A symbolic link is deleted without touching what it names.
// False, nothing changed, when the file has no write permission bit, cannot
// be opened for writing, is not a regular file, or another process holds a
// lock on it; false with the file left empty when the flush fails; false
// when the delete fails.
bool destroyFile(const std::string& path);

// The current folder (empty when it cannot be found out) and changing it.
std::string currentFolder();
int changeFolder(const std::string& path);

// The names in the folder `path` that are not folders (symbolic links to
// folders count as folders), "." and ".." left out; nothing when the folder
// cannot be read to its end.
std::optional<std::vector<std::string>> fileNamesIn(const std::string& path);

// True when the regular file `path` can be opened for reading and no other
// process (or other open file of this one) holds a lock on it. Folders,
// pipes, sockets and devices give false without being opened.
bool openableAndUnlocked(const std::string& path);

// Opens the regular file `path` for reading and writing (reading alone when
// writing is not allowed), creating an empty file when nothing is there, and
// closes it again. True when that worked and nobody holds a lock on the
// file; false for anything but a regular file, which is not opened.
bool openExclusivelyForRandomAccess(const std::string& path);

// True when the shared library `library` can be loaded and exports `symbol`.
// The library is unloaded again. A `library` holding a "/" is a path, which
// must name a regular file (nothing else is read).
bool libraryExports(const std::string& library, const std::string& symbol);

// The folder holding the control library.
std::string libraryFolder();

// The login name of the effective user, and the computer's host name;
// empty when they cannot be found out.
std::string userName();
std::string computerName();

struct DiskSpace {
    std::uint64_t availableToUser = 0;
    std::uint64_t total = 0;
    std::uint64_t free = 0;
};

// The space of the file system holding `path`; all zero when it cannot be asked.
DiskSpace diskSpace(const std::string& path);

}  // namespace korbit::platform
