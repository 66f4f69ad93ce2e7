// What nobody but the running user (or root) controls: a path no one else
// can change, a folder of the user's alone, and the user at the other end of
// a local socket. "The running user" is the process's effective user.
#pragma once

#include <optional>
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

// Succeeds when `path` is a folder of the running user's alone: a folder
// (not a link) the user owns with mode 0700, below folders that pass
// checkOwnedPath. Nothing is made or changed. Fails as checkOwnedPath, and
// with AccessDenied when the folder itself is not such a folder.
engine::Status checkPrivateFolder(const std::string& path);

// As checkPrivateFolder, after making the folder (mode 0700, and the folders
// above it that are missing) when it does not exist. A folder of the user's
// that no one else may write to is given mode 0700 when it has another; one
// that others may write to is refused, since they may have put anything in
// it. Fails as checkPrivateFolder, and with IoFailed when it cannot be made.
engine::Status makePrivateFolder(const std::string& path);

// The folder for `program`'s files that no one but the running user may
// reach (a lock, a socket): $XDG_RUNTIME_DIR when it is a folder of the
// user's alone (checkPrivateFolder), otherwise `program` in the user's cache
// folder ($XDG_CACHE_HOME, else ~/.cache), made when missing
// (makePrivateFolder). Never a folder others share, such as /tmp. Fails as
// makePrivateFolder, or with NotFound when no home folder is known.
engine::Result<std::string> privateRuntimeFolder(const std::string& program);

// The user id of the process at the other end of the connected local
// (Unix-domain) socket `descriptor`, as the kernel recorded it when the
// connection was made; nothing when it cannot be told.
std::optional<unsigned> peerUser(int descriptor) noexcept;

}  // namespace korbit::platform
