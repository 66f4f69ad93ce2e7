// Replacing a file whole: the one way the library puts new content in place
// of a file (settings files, array files, the component registry, the
// encryption's rewrite beside the file). A reader or a crash sees the old
// content or the new one, never a mixture.
//
// The steps, each result checked: a temporary file is made beside the
// target, exclusively and for its owner alone (0600); the content is
// written; the temporary file gets the permission bits the target is to
// have and is flushed to the disk; it is renamed over the target; the folder
// is flushed, so that the rename itself survives a crash. A failure before
// the rename leaves the target untouched and removes the temporary file. A
// failure to flush the folder after the rename is reported as such: the new
// content is in place then, and the message says so.
//
// Links: replaceFile() follows a symbolic link and replaces the file it
// names; the link stays. (The encryption's rewrite follows a link the user
// named in the same way.) A Replacement itself replaces the entry of its
// folder it was made for, whatever that entry is.
//
// Paths are UTF-8. Every system call goes through FileCalls, so that a test
// can make any step fail as the system would.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "korbit/engine/status.h"
#include "korbit/platform/descriptor.h"

namespace korbit::platform {

// The system calls a replacement makes; the default implementation makes
// them. Each returns what the system call returns and leaves errno set.
class FileCalls {
public:
    virtual ~FileCalls() = default;
    virtual int openAt(int folder, const char* name, int flags, mode_t mode);
    virtual ssize_t write(int fd, const void* data, std::size_t size);
    virtual int fsync(int fd);
    virtual int fchmod(int fd, mode_t mode);
    // `flags` as renameat2() takes them (RENAME_NOREPLACE, say).
    virtual int renameAt(int fromFolder, const char* from, int toFolder, const char* to, unsigned flags = 0);
    virtual int unlinkAt(int folder, const char* name);
};

// The calls as the system makes them.
FileCalls& systemFileCalls();

// A failure of the operating system as a Status: the code that fits `error`
// (NotFound, AccessDenied, NotAFile, Exists, IoFailed), the message
// "`what`: <the system's text>".
engine::Status systemFailure(int error, const std::string& what);

// Makes a new file in the folder open as `folder`, exclusively (never one
// that was there) and for its owner alone, named `prefix` followed by six
// random letters and digits; puts the name in `name`. Returns its
// descriptor, open for reading and writing, or the failure (with the
// system's error number).
engine::Result<Descriptor> createTemporaryFile(int folder, const std::string& prefix, std::string& name,
                                               FileCalls& calls = systemFileCalls());

// Writes all of `bytes` to `fd`; the failure with the system's error number.
engine::Status writeAllBytes(int fd, std::span<const std::uint8_t> bytes, const std::string& what,
                             FileCalls& calls = systemFileCalls());

// What may happen between the steps of a commit (the encryption's rewrite
// checks there that its file did not change); a failure stops the commit.
struct CommitSteps {
    std::function<engine::Status()> beforeRename;  // the temporary file is complete and flushed
    std::function<engine::Status()> afterRename;   // the new content is in place; the folder is not flushed yet
};

// What becomes of an entry already at the target's name.
enum class ExistingTarget { kReplace, kKeep };

// The content of one target, on its way into place.
class Replacement {
public:
    // Makes the temporary file beside the entry `target` of the folder open
    // as `folder` (borrowed: it must stay open while this lives), named
    // ".<target>.new-XXXXXX" unless `prefix` is given. `folderPath` names the
    // folder in messages.
    static engine::Result<Replacement> create(int folder, std::string folderPath, std::string target,
                                              FileCalls& calls = systemFileCalls(), std::string prefix = {});

    Replacement(Replacement&& other) noexcept;
    Replacement& operator=(Replacement&& other) noexcept;
    Replacement(const Replacement&) = delete;
    Replacement& operator=(const Replacement&) = delete;
    // Removes the temporary file unless it was put in place or kept.
    ~Replacement();

    int descriptor() const noexcept { return fd_.get(); }
    const std::string& temporaryName() const noexcept { return name_; }
    std::string temporaryPath() const;

    engine::Status write(std::span<const std::uint8_t> bytes);
    engine::Status write(std::string_view text);

    // Gives the temporary file permission bits `mode` (exactly these: no
    // creation mask applies; set-id and sticky bits are never given), flushes
    // it, runs `steps.beforeRename`, renames it to the target's name (over
    // what is there, or, with kKeep, never: Exists when the name is taken),
    // runs `steps.afterRename` and flushes the folder. A failure before the
    // rename leaves the target as it was (the temporary file is removed when
    // this goes); after it, the new content is in place and the message says
    // so.
    engine::Status commit(unsigned mode, const CommitSteps& steps = {},
                          ExistingTarget existing = ExistingTarget::kReplace);

    // The temporary file is someone else's from now on: it is not removed
    // when this goes (the descriptor stays open until then).
    void keepTemporary() noexcept { owned_ = false; }

private:
    Replacement(int folder, std::string folderPath, std::string target, FileCalls& calls, Descriptor fd,
                std::string name) noexcept;

    int folder_;
    std::string folderPath_;
    std::string target_;
    FileCalls* calls_;
    Descriptor fd_;
    std::string name_;
    bool owned_ = true;
};

struct ReplaceOptions {
    // The permission bits of a file that does not exist yet; an existing
    // file keeps its own. By default 0666 less the process's creation mask,
    // as any new file gets.
    unsigned newFileMode;
    ReplaceOptions();
    explicit ReplaceOptions(unsigned mode) : newFileMode(mode) {}
};

// The file a replacement of `path` replaces: `path` itself, or the file its
// symbolic link names, links resolved (NotFound for a link that names
// nothing).
engine::Result<std::string> replacedFileOf(const std::string& path);

// Replaces the content of the file `path` (creating it when missing) with
// `content`, following a symbolic link to the file it names. The file keeps
// its permission bits, less any set-id or sticky bit. Refused, with
// nothing written: a folder, pipe, socket or device at the path (NotAFile),
// a file without any write permission bit or that the user may not write
// (AccessDenied; the bits are looked at even for the superuser), a link
// that names nothing (NotFound).
engine::Status replaceFile(const std::string& path, std::string_view content, const ReplaceOptions& options = {},
                           FileCalls& calls = systemFileCalls());

// Removes the file `path` (a missing one is no failure) and flushes its
// folder, so that the removal survives a crash.
engine::Status removeFile(const std::string& path);

}  // namespace korbit::platform
