// Reading and writing the array files on disk.
#pragma once

#include <string>

#include "korbit/control/value.h"

namespace korbit::utilities {

// Puts `bytes` into `file`: appended to its end when `append`, otherwise as
// its whole new content, written to a temporary file beside it, flushed to
// the disk and renamed over it, so the old content stays whole until the new
// one is complete. Throws AutomationError, the file left as it was, when it
// can't be written: a read-only file, a folder, pipe, socket or device.
void storeArrayFile(const control::Text& file, const std::string& bytes, bool append);

// The whole content of the regular file `file`. Throws AutomationError when
// it can't be read or is anything else (a pipe is never waited on).
std::string loadArrayFile(const control::Text& file);

}  // namespace korbit::utilities
