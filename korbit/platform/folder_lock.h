// An exclusive advisory lock on a folder, held while a file in it is read,
// edited and replaced, so that writers in several processes never lose each
// other's changes. Readers need no lock: a replacement is atomic.
#pragma once

#include <string>

#include "korbit/engine/status.h"
#include "korbit/platform/descriptor.h"

namespace korbit::platform {

// Opens the folder `path` and waits until it holds the folder's lock; the
// lock lasts as long as the descriptor. Fails when the folder cannot be
// opened or locked.
engine::Result<Descriptor> lockFolder(const std::string& path);

}  // namespace korbit::platform
