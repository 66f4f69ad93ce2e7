// The permission bits of a rewritten file, and the rest of what makes a file
// what it is (owner, group, extended attributes and ACLs), carried from one
// open file to another.
#pragma once

namespace korbit::platform {

// The process's file-creation mask, read without changing it (a change would
// race with any other thread of the host creating files); 022 when it cannot
// be read.
unsigned fileCreationMask() noexcept;

// The permission bits of an encrypted result: `mode` without any write bit,
// and never the set-user-id, set-group-id or sticky bit.
unsigned encryptedMode(unsigned mode) noexcept;

// The permission bits of a decrypted result. Read-only as above when
// `readOnly`; otherwise `mode` with write permission given back to each
// class (owner, group, others) that may read it, as far as the creation mask
// `mask` allows; never the set-id or sticky bits.
unsigned decryptedMode(unsigned mode, bool readOnly, unsigned mask) noexcept;

// Gives the file open as `to` the owner, the group and exactly the extended
// attributes (POSIX ACLs among them) of the file open as `from`. Returns false,
// with errno set, when any of them cannot be given; `to` may then carry part
// of them. Permission bits are not touched (set them afterwards: with an ACL
// they become its owner, mask and other entries).
bool copyOwnerAndAttributes(int from, int to);

}  // namespace korbit::platform
