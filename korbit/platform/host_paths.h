// What the hosts ask about the paths people and other programs give them:
// the path from the current folder, and whether it names a file. Paths are
// the operating system's bytes (text_encoding.h: toOsPath).
#pragma once

#include <string>

namespace korbit::platform {

// `path` taken from the current folder when it is relative, with "." and ".."
// worked out on the text as written; an absolute path is cleaned the same
// way, an empty one stays empty. Nothing is resolved through links. Empty
// when the current folder cannot be read.
std::string absolutePath(const std::string& path);

// True when `path` names a regular file (links followed).
bool isRegularFile(const std::string& path);

}  // namespace korbit::platform
