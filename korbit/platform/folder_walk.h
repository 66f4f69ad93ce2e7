// Folder listings for the tree walks of the search and backup methods.
// Paths are UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korbit::platform {

struct FolderEntry {
    std::string name;
    bool isFolder = false;  // a folder, or a symbolic link to one
    bool isLink = false;    // a symbolic link; a walk never enters one
};

// The entries of folder `path`: "." and ".." first, then every other entry
// in a stable order, by name without regard to ASCII letter case (names equal
// that way by their bytes). Nothing when the folder cannot be opened.
std::optional<std::vector<FolderEntry>> listFolder(const std::string& path);

// The device number of the file system holding `path` itself (a link is not
// followed); nothing when there is no such entry.
std::optional<std::uint64_t> deviceOf(const std::string& path);

// True when every part of `folder` after the leading `root` is a real folder,
// none a symbolic link, so that writing below it stays inside `root`. A
// `folder` that does not start with `root` gives false.
bool staysInside(const std::string& root, const std::string& folder);

}  // namespace korbit::platform
