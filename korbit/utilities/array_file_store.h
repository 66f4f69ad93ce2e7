// Reading and writing the array files on disk.
#pragma once

#include <string>

#include "korbit/control/values/value.h"
#include "korbit/engine/status.h"

namespace korbit::utilities {

// Puts `bytes` into `file`: appended to its end when `append`, otherwise as
// its whole new content, replacing the file in one step (atomic_file.h: a
// symbolic link is followed and the file it names replaced). Fails, the file
// left as it was, when it can't be written: a read-only file, a folder,
// pipe, socket or device, a name that names no file.
engine::Status storeArrayFile(const control::Text& file, const std::string& bytes, bool append);

// The whole content of the regular file `file`. Fails when it can't be read
// or is anything else (a pipe is never waited on).
engine::Result<std::string> loadArrayFile(const control::Text& file);

}  // namespace korbit::utilities
