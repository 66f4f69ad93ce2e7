// The shared libraries of this process: loading a component library at run
// time and finding its entry points, and which file a piece of loaded code
// came from. Paths are UTF-8.
#pragma once

#include <string>

#include "korbit/engine/status.h"

namespace korbit::platform {

// Loads the shared library `path` with all its symbols resolved now and
// kept to itself; it stays loaded until the process ends. Its code runs as
// soon as it is loaded, so it is loaded only when checkOwnedPath
// (ownership.h) passes for it: no one but root and the running user can have
// put it there. Fails with checkOwnedPath's failure (NotFound, AccessDenied
// naming what did not pass, IoFailed), or IoFailed with the dynamic loader's
// own explanation.
engine::Result<void*> loadLibrary(const std::string& path);

// The entry point `name` of a library loadLibrary gave; null when it has none.
void* entryPointOf(void* library, const char* name);

// The absolute path of the file (library or program) whose code or data
// holds `address`, as the loader named it; empty when it cannot be found out.
std::string fileHolding(const void* address);

// The absolute path of the running program; empty when it cannot be read.
std::string runningProgram();

}  // namespace korbit::platform
