// Reading and writing the array files on disk.
#pragma once

#include <string>

#include "korbit/control/value.h"

namespace korbit::utilities {

// Puts `bytes` into `file`: appended to its end when `append`, otherwise as
// its whole new content, written to a temporary file beside it, flushed to
// the disk and renamed over it, so the old content stays whole until the new
// one is complete. Throws AutomationError when the file can't be written.
void storeArrayFile(const control::Text& file, const std::string& bytes, bool append);

// The whole content of `file`. Throws AutomationError when it can't be read.
std::string loadArrayFile(const control::Text& file);

}  // namespace korbit::utilities
