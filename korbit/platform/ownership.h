// What nobody but the running user (or root) controls: a path no one else
// can change. "The running user" is the process's effective user.
#pragma once

#include <string>

#include "korbit/engine/status.h"

namespace korbit::platform {

// The effective user id of this process.
unsigned runningUser() noexcept;

// Succeeds when `path` (absolute, or taken from the current folder) exists
// and it and every folder above it belong to root or the running user and no
// one else may write to them. A folder root owns and marks sticky (such as
// /tmp) is the one exception to the last rule: in it, no one else can rename
// or remove an entry that root or the user owns, and the entry on the way
// must be one. Symbolic links on the way are followed; each must belong to
// root or the user too, and so must everything on the way to where it leads.
// Nothing is changed. Fails with NotFound when something on the way does not
// exist; with AccessDenied when something does not pass, the message naming
// it and why; with IoFailed when it cannot be examined.
engine::Status checkOwnedPath(const std::string& path);

}  // namespace korbit::platform
