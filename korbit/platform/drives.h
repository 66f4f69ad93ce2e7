// Drives on this platform: a "drive" is the mounted file system that holds a
// path, as /proc/self/mountinfo lists it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korbit::platform {

struct MountEntry {
    std::string mountPoint;  // absolute, escapes of the table decoded
    std::string fileSystem;  // "ext4", "iso9660", ...
    bool readOnly = false;   // the mount or its file system is read-only
};

// The entries of a mountinfo text in the order listed (mount order);
// malformed lines are skipped.
std::vector<MountEntry> parseMountInfo(std::string_view text);

// The mounts this process sees; empty when the table cannot be read.
std::vector<MountEntry> currentMounts();

// The mount that holds `absolutePath` (absolute and free of "." and ".."):
// the longest mount point that equals it or one of its parent folders, the
// later one where several share a mount point, since it covers the others.
// Null when no mount holds it.
const MountEntry* mountHolding(const std::vector<MountEntry>& mounts, std::string_view absolutePath);

// False for read-only mounts and for the CD and DVD file systems (iso9660,
// udf), whose media are written only by burning programs.
bool isWritable(const MountEntry& mount);

// `path` made absolute against the current folder and with the symbolic links
// of its existing part resolved, without a trailing "/" (except "/" itself).
// Nothing for an empty path or when the current folder is unknown.
std::optional<std::string> resolvePath(std::string_view path);

// The mount point of the file system holding `path` (resolved as above);
// nothing when the path resolves nowhere or no mount holds it.
std::optional<std::string> mountPointOf(std::string_view path, const std::vector<MountEntry>& mounts);

// True when the file system holding `path` can be written (see isWritable);
// false when the path resolves nowhere or no mount holds it. Nothing is
// written to find out.
bool isOnWritableDrive(std::string_view path, const std::vector<MountEntry>& mounts);

}  // namespace korbit::platform
