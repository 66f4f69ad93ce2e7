// Rewriting one file in place without ever leaving it half-written, and
// without letting anyone who can change its folder steer the rewrite
// elsewhere.
//
// The user's path is resolved once (a symbolic link the user named is
// followed to its target); from then on everything goes through descriptors:
// the file's folder is opened component by component without following any
// link, the file is opened in it without following a link and locked
// (advisory, exclusive, so a second rewrite from any process is refused), and
// every later step is relative to that folder or on the open file.
//
// The new content goes to a fresh temporary file (created exclusively,
// owner-only) beside the file. commit() gives it the file's owner, group,
// extended attributes and ACLs, then puts it in place as every replacement
// does (atomic_file.h): the new permission bits, a flush, the checks that
// the file did not change since it was opened and that its name still
// refers to it, the rename over it and the flush of the folder. So the file
// is at every moment either wholly old or wholly new.
//
// Where that cannot be done (the folder cannot be written, so the temporary
// file goes to a fallback folder; the file has several hard links, all of
// which must see the result; the temporary file cannot be given the file's
// owner or attributes), the same promise is kept another way: the file is
// opened for writing first (a file that cannot be written is never touched
// and nothing is kept for it), the complete temporary file is flushed, a
// record of the run goes to the user's own record folder
// (rewrite_record.h), the copy is named complete, and only then is it copied
// into the file through the locked descriptor, which keeps the file's
// identity. A copy-back that stops part-way (no space, a kill) is finished by
// the next rewrite of the same file from that copy, which is never removed
// before that; a copy-back that fails before the file's first byte could
// change keeps nothing. Only unmarked temporary files of dead runs are ever
// removed as stale.
//
// A copy is applied only when its record proves it the complete result of
// this user's interrupted run on this very file. Anything else named like a
// complete copy is never applied: another user's entry is passed over with a
// notice (a plant must not stop the run), and an unproven copy of the user's
// own stops the run, which changes nothing and says where it is.
//
// Failures are Status values with these codes: NotFound (no such file),
// NotAFile (a folder, pipe, socket or device), Busy (another rewrite holds
// the file), IoFailed (reading, writing, flushing or renaming failed),
// Exists (a new file's name is taken), Changed (the file was changed, moved
// or replaced while it was rewritten; nothing was replaced).
#pragma once

#include <sys/stat.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "korbit/engine/status.h"
#include "korbit/platform/atomic_file.h"
#include "korbit/platform/descriptor.h"
#include "korbit/platform/rewrite_record.h"
#include "korbit/platform/system.h"

namespace korbit::platform {

class FileRewrite {
public:
    // Opens and locks `path` (UTF-8; a link named by the user is followed).
    // Nothing is written yet. `fallbackFolder` takes the temporary file when
    // the file's own folder cannot be written. `system` is told of every
    // step and must outlive the rewrite. Fails: NotFound, NotAFile, Busy,
    // IoFailed, Changed (the file was replaced by a link).
    static engine::Result<std::unique_ptr<FileRewrite>> open(const std::string& path,
                                                             const std::string& fallbackFolder,
                                                             System& system = realSystem());
    ~FileRewrite();  // an uncommitted temporary file is removed; the file is left as it was
    FileRewrite(const FileRewrite&) = delete;
    FileRewrite& operator=(const FileRewrite&) = delete;

    std::uint64_t inputSize() const noexcept { return static_cast<std::uint64_t>(opened_.st_size); }
    // Permission bits of the file when it was opened (or completed).
    unsigned mode() const noexcept { return opened_.st_mode & 07777U; }
    // The file's own name, without its folder.
    const std::string& name() const noexcept { return name_; }
    bool hiddenName() const noexcept { return name_.starts_with('.'); }

    // The unfinished temporary files of this file that runs which died had
    // left, removed when it was opened.
    const std::vector<std::string>& removedTemporaries() const noexcept { return removedStale_; }

    // What completeInterrupted() passed over and why, one sentence each:
    // entries of other users named like a complete copy of this file, and
    // copies left for an earlier file that had its numbers.
    const std::vector<std::string>& notices() const noexcept { return notices_; }

    // Reads up to buffer.size() bytes from the file's start, without moving
    // the read position. Fails: IoFailed.
    engine::Result<std::size_t> peek(std::span<std::uint8_t> buffer);

    // Finishes a copy-back that an earlier rewrite of this same file by this
    // user began and could not complete, from the complete copy it left,
    // once its record proves it. True when there was one: the file then
    // holds that rewrite's whole result with the permission bits it
    // recorded, and reading starts again at its beginning. Call before the
    // first read. Fails: IoFailed when a copy of the user's own cannot be
    // proven (nothing is changed; the message names it and says why) or the
    // copy-back fails again (the complete copy is kept); Busy when another
    // run holds the copy.
    engine::Result<bool> completeInterrupted();

    // Reads up to buffer.size() bytes of the file, from where the last read
    // stopped; 0 at its end. Fails: IoFailed.
    engine::Result<std::size_t> read(std::span<std::uint8_t> buffer);

    // Appends to the new content; the temporary file is made on the first
    // call. Fails: IoFailed.
    engine::Status write(std::span<const std::uint8_t> bytes);

    // Puts the new content in place with permission bits `newMode` (the
    // caller's: set-id and sticky bits are never given). Fails: Changed when
    // the file changed (size, modification or change time) or its name was
    // given to another file since it was opened, nothing replaced; IoFailed
    // when a step failed. After IoFailed the file is still wholly old,
    // except when the copy into the file itself failed: the message then
    // names the complete copy that the next rewrite finishes from, or when
    // only flushing the folder failed after the rename: the message then
    // says the new content is in place.
    engine::Status commit(unsigned newMode);

    // Removes the file's name from its folder (the file must still be the one
    // opened). Fails: Changed, IoFailed.
    engine::Status removeOriginal();

private:
    FileRewrite(const std::string& path, const std::string& fallbackFolder, System& system);
    void step(RewriteStep at, const std::string& what) const;
    void createTemporary();
    void checkUnchanged(const char* what) const;
    void commitBeside(unsigned newMode);
    void commitInPlace(unsigned newMode);

    struct WritableFile {
        Descriptor fd;
        bool modeRaised;  // write permission was given to the owner for the copy
    };
    WritableFile openForWriting();
    void restoreMode(WritableFile& out) const;
    void copyBack(WritableFile& out, int sourceFd, unsigned newMode, bool& touched);
    std::vector<std::pair<std::string, Descriptor>> copyPlaces() const;
    [[noreturn]] void unproven(const std::string& copyPath, const std::string& why) const;
    void checkOwnCopy(const Descriptor& copy, const RewriteRecord& record, const std::string& copyPath) const;
    void applyRecordedCopy(int copy, const RewriteRecord& record, const std::string& copyPath);

    System& system_;
    std::string target_;  // the real path, links resolved; for messages
    std::string name_;
    std::string fallbackFolder_;
    Descriptor folder_{-1};
    Descriptor input_{-1};
    struct stat opened_ {};
    Descriptor tempFolder_{-1};         // readable, so that it can be flushed; outlives temp_
    std::optional<Replacement> temp_;  // the new content
    std::string tempName_;             // its name now (it changes when it is marked complete)
    std::string tempPath_;             // for messages
    bool tempBeside_ = true;
    std::uint64_t written_ = 0;
    std::uint64_t writtenBack_ = 0;
    std::vector<std::string> removedStale_;
    std::vector<std::string> notices_;
};

// A new file made whole or not at all: a replacement (atomic_file.h) that
// never takes the place of an existing entry.
class NewFile {
public:
    // Fails: IoFailed when no temporary file can be made there.
    static engine::Result<std::unique_ptr<NewFile>> create(const std::string& path);
    ~NewFile() = default;  // an uncommitted temporary file is removed
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    // Fails: IoFailed.
    engine::Status write(std::span<const std::uint8_t> bytes);

    // Flushes the content, sets permission bits `mode` and gives it its
    // name. Fails: Exists when a file of that name appeared, IoFailed.
    engine::Status commit(unsigned mode);

private:
    explicit NewFile(const std::string& path);

    std::string path_;
    Descriptor folder_{-1};  // readable, so that it can be flushed; outlives temp_
    std::optional<Replacement> temp_;
};

// True when a file exists at `path` or the name cannot be looked up (so it
// must not be taken).
bool nameTaken(const std::string& path);

}  // namespace korbit::platform
