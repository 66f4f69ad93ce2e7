// Settings files on disk: read whole, rewritten whole. A rewrite replaces the
// file in one step (atomic_file.h) while holding an exclusive advisory lock
// on the folder, so writers in several processes never lose each other's
// changes and a crash never leaves a half-written file. Readers need no
// lock: they read the file whole with readRegularFile (regular_file.h).
#pragma once

#include <functional>
#include <string>

#include "korbit/engine/status.h"

namespace korbit::platform {

// Locks the file's folder, hands `edit` the current content (empty for a
// missing file) and, when `edit` returns true, writes the edited content in
// place of the file, creating it when missing. Ok when written or when
// `edit` changed nothing. Fails, with the file unchanged, when the folder is
// missing, the file cannot be read or written (no write permission bit, or
// the user may not write it), or writing fails. A symbolic link is followed:
// the file it names is rewritten, the link stays. A new file gets the mode
// 0666 less the creation mask; a rewritten one keeps its mode.
engine::Status rewriteProfileFile(const std::string& path, const std::function<bool(std::string& content)>& edit);

}  // namespace korbit::platform
