// Whether a file can be encrypted or decrypted in place by this user at all,
// asked before a password is asked for and before anything is read or
// written. A run that cannot succeed is refused here, in words a user
// understands, instead of failing at its end.
#pragma once

#include <string>

#include "korbit/engine/status.h"

namespace korbit::platform {

// Ok when a rewrite of the file at `path` (a link followed) can be carried
// out by this user: the file is a regular file on a disk (not on proc, sysfs
// or another of the kernel's pseudo file systems), within the container's
// size, on a writable mount, neither immutable nor append-only, and either
// it can be replaced beside itself (its folder may be written, it has one
// name, and a new file can be given its owner and group) or it can be
// written in place (the user may write it or owns it, and a temporary file
// has a folder: its own, or the fallback when `fallbackAvailable`).
//
// Otherwise the failure says why in a full sentence that names the file:
// NotFound, NotAFile (a folder, a device, a pseudo-file), TooLarge,
// AccessDenied ("You cannot change /etc/hostname: it belongs to root and you
// may not write to it.").
engine::Status checkRewritable(const std::string& path, bool fallbackAvailable = true);

// True when an interrupted in-place rewrite of the file at `path` (a link
// followed) left something for the next rewrite to complete or to refuse: a
// record of the user's that names the file, or an entry of the user's own
// beside it named like one of its complete copies. What the file looks like
// then says nothing about what it holds: the next rewrite finishes it first.
// (Defined with the rewrite, which knows those names.)
bool interruptedRewritePending(const std::string& path);

}  // namespace korbit::platform
