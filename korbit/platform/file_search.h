// Find-first searches: a path whose last part may hold the wildcards "*" and
// "?", matched against the entries of its folder.
#pragma once

#include <string>
#include <string_view>

namespace korbit::platform {

// True when `name` matches `pattern`: "*" stands for any run of characters
// (none included), "?" for exactly one; all else must be equal, case
// included, as names are on this platform. "*.*" matches every name, as a
// host's "all files" pattern means.
bool matchesWildcard(std::string_view pattern, std::string_view name);

// True when the search for `path` finds an entry. Without wildcards in its
// last part: `path` names an entry (a dangling symbolic link counts; a
// trailing "/" asks for a folder). With wildcards: an entry of the folder
// before the last "/" (the current folder when there is none) matches the
// last part; the folder's "." and ".." entries take part like any other.
bool findFirst(const std::string& path);

}  // namespace korbit::platform
