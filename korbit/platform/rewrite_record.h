// What lets a later run prove that a complete copy is the result of an
// interrupted in-place rewrite of this very file, made by this user.
//
// A file's device and inode numbers are given to a new file once it is
// deleted, and a name can be planted by anyone who may write the folder, so
// neither tells which file a copy belongs to. Before the copy-back into a
// file begins, the run writes a record into a folder only its user can
// write: the file's numbers, its owner and something the copy-back cannot
// change (the birth time where the file system keeps one, else the inode
// generation, else a random mark the run puts on the file as an extended
// attribute), and where the copy is, its numbers, length and SHA-256 digest
// and the permission bits the file is to get. A copy is applied only when
// all of that still holds.
#pragma once

#include <sys/types.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "korbit/engine/status.h"
#include "korbit/platform/descriptor.h"

namespace korbit::platform {

// What tells an open file apart from any file that later gets its numbers.
struct FileProof {
    enum class Kind { kNone, kBirthTime, kGeneration, kMark };
    Kind kind = Kind::kNone;
    std::string value;

    bool operator==(const FileProof&) const = default;
};

// The proof the file open as `fd` carries by itself: its birth time, else
// its inode generation; kNone when its file system keeps neither.
FileProof intrinsicProof(int fd);

// The file's own proof, or else a random mark put on it (which needs write
// permission); kNone when the file system keeps no extended attributes.
FileProof proveOrMark(int fd);

// True when the file open as `fd` carries `proof`; never for kNone.
bool carriesProof(int fd, const FileProof& proof);

// Removes a mark proveOrMark() put on the file; anything else is left alone.
void removeMark(int fd, const FileProof& proof);

struct RewriteRecord {
    std::string target;  // the file's path, for messages
    dev_t targetDevice = 0;
    ino_t targetInode = 0;
    uid_t targetOwner = 0;
    FileProof targetProof;
    std::string copyFolder;  // where the complete copy is
    std::string copyName;
    dev_t copyDevice = 0;
    ino_t copyInode = 0;
    std::uint64_t length = 0;  // of the copy's content
    std::array<std::uint8_t, 32> digest{};
    unsigned mode = 0;  // the permission bits the file gets; set-id and sticky bits never

    bool operator==(const RewriteRecord&) const = default;
};

// The record folder of the effective user: $XDG_STATE_HOME/korbit/rewrites
// (~/.local/state/korbit/rewrites), made owner-only when missing.
class RecordFolder {
public:
    // Fails: AccessDenied when the folder is not the user's own or others
    // may write it, IoFailed when it cannot be made or opened.
    static engine::Result<RecordFolder> open();
    // The same folder when it exists and passes the same checks; nothing
    // otherwise (nothing is made).
    static std::optional<RecordFolder> existing();

    const std::string& path() const noexcept { return path_; }

    // Writes `record` whole under a new name and flushes it and the folder.
    // Returns that name. Fails: IoFailed.
    engine::Result<std::string> add(const RewriteRecord& record);

    // The records of the file with these numbers, with their names. A
    // record that is damaged, is not the user's, has several links or may be
    // written by others is left out.
    std::vector<std::pair<std::string, RewriteRecord>> recordsFor(dev_t device, ino_t inode) const;

    // Removes the record `name` and flushes the folder.
    void remove(const std::string& name);

private:
    RecordFolder(Descriptor folder, std::string path) : folder_(std::move(folder)), path_(std::move(path)) {}

    Descriptor folder_;
    std::string path_;
};

// The SHA-256 digest and length of the whole file open as `fd`, read from
// its start. Fails: IoFailed.
engine::Result<std::pair<std::array<std::uint8_t, 32>, std::uint64_t>> digestOfFile(int fd, const std::string& what);

}  // namespace korbit::platform
