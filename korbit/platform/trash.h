// The desktop's trash (the freedesktop.org trash of the volume that holds the
// entry, the user's own one under $XDG_DATA_HOME for the home volume).
#pragma once

#include <string>

namespace korbit::platform {

// Moves the file or folder `path` (a symbolic link itself, not what it
// names) into the trash with its ".trashinfo" record; the system's error
// number on failure, 0 on success.
int moveToTrash(const std::string& path);

}  // namespace korbit::platform
