// Copying one regular file, whole or not at all. Paths are UTF-8.
#pragma once

#include <string>

#include "korbit/platform/atomic_file.h"

namespace korbit::platform {


// Copies the regular file `from` (links followed) to `to`, with its
// permission bits (never set-user-ID, set-group-ID or sticky) and
// modification time. Returns 0, or the system's error
// number with `to` as it was:
//   - EINVAL when `from` or `to` is a pipe, socket or device (they are never
//     opened, so the copy cannot wait on them) or both name the same file;
//     EISDIR when either is a folder;
//   - EEXIST with kKeep when anything is at `to`;
//   - EACCES with kReplace when the file at `to` has no write permission bit
//     or the user may not write it.
// A replaced file gets the new content only once it is complete on the disk;
// a symbolic link at `to` is itself replaced, never written through. A new
// file that cannot be completed is removed again.
int copyRegularFile(const std::string& from, const std::string& to, ExistingTarget existing);

}  // namespace korbit::platform
