// Rewriting one file in place without ever leaving it half-written.
//
// The new content goes to a fresh temporary file (created exclusively,
// owner-only, never through a link) beside the file; commit() flushes it,
// gives it the file's permissions and renames it over the file, then
// flushes the folder. So the file is at every moment either wholly old or
// wholly new. Where that cannot be done the same promise is kept another
// way: when the file's folder cannot be written, the temporary file goes to
// a fallback folder and is copied over the file in place only once it is
// complete on disk; a file with several hard links is rewritten in place
// (every name must see the result), also only from a complete temporary
// file. A symbolic link is followed: its target is rewritten, the link stays.
//
// The file is locked (advisory, exclusive) from open to close, so a second
// rewrite of the same file, from any process, is refused at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

namespace korbit::platform {

class RewriteError : public std::runtime_error {
public:
    enum class Kind {
        kNotFound,    // no such file
        kNotRegular,  // a folder, pipe, socket or device
        kLocked,      // another rewrite holds the file
        kIo,          // reading, writing, flushing or renaming failed
        kExists,      // a new file's name is taken
    };
    RewriteError(Kind kind, int error, const std::string& message)
        : std::runtime_error(message), kind_(kind), error_(error) {}
    Kind kind() const noexcept { return kind_; }
    int error() const noexcept { return error_; }

private:
    Kind kind_;
    int error_;
};

class FileRewrite {
public:
    // Opens and locks `path` (UTF-8; links followed). Nothing is written yet.
    // `fallbackFolder` takes the temporary file when the file's own folder
    // cannot be written. Throws RewriteError: kNotFound, kNotRegular,
    // kLocked, kIo.
    FileRewrite(const std::string& path, const std::string& fallbackFolder);
    ~FileRewrite();  // an uncommitted temporary file is removed; the file is left as it was
    FileRewrite(const FileRewrite&) = delete;
    FileRewrite& operator=(const FileRewrite&) = delete;

    std::uint64_t inputSize() const noexcept { return inputSize_; }
    // Permission bits of the file when it was opened.
    unsigned mode() const noexcept { return mode_; }
    // The file's own name starts with a dot.
    bool hiddenName() const noexcept;

    // Reads up to buffer.size() bytes of the file, from where the last read
    // stopped; 0 at its end. Throws RewriteError kIo.
    std::size_t read(std::span<std::uint8_t> buffer);

    // Appends to the new content; the temporary file is made on the first
    // call. Throws RewriteError kIo.
    void write(std::span<const std::uint8_t> bytes);

    // Puts the new content in place with permission bits `newMode`. Throws
    // RewriteError kIo; the file is then still wholly old (or, when the
    // in-place copy itself failed, the complete temporary file is kept and
    // its path is in the message).
    void commit(unsigned newMode);

    // The temporary file's path ("" before the first write); for tests.
    const std::string& temporaryPath() const noexcept { return tempPath_; }

private:
    void createTemporary();
    void rewriteInPlace();

    std::string target_;  // the real path, links resolved
    std::string fallbackFolder_;
    int inputFd_ = -1;
    int tempFd_ = -1;
    std::string tempPath_;
    bool tempBeside_ = true;
    bool committed_ = false;
    std::uint64_t inputSize_ = 0;
    unsigned mode_ = 0;
    std::uint64_t links_ = 1;
    std::uint64_t written_ = 0;
    std::uint64_t writtenBack_ = 0;
};

// A new file made whole or not at all: written to a temporary file beside
// it and linked into place only when complete, never over an existing file.
class NewFile {
public:
    // Throws RewriteError kIo when no temporary file can be made there.
    explicit NewFile(const std::string& path);
    ~NewFile();  // an uncommitted temporary file is removed
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    // Throws RewriteError kIo.
    void write(std::span<const std::uint8_t> bytes);

    // Flushes the content, sets permission bits `mode` and gives it its
    // name. Throws RewriteError: kExists when a file of that name appeared,
    // kIo.
    void commit(unsigned mode);

private:
    std::string path_;
    std::string tempPath_;
    int fd_ = -1;
    bool committed_ = false;
};

// Gives the file's owner write permission (the "normal" attribute); false
// when that fails.
bool makeOwnerWritable(const std::string& path);

// Permission bits with every write bit removed (read-only), or with the
// owner's write bit given back.
unsigned readOnlyMode(unsigned mode) noexcept;
unsigned writableMode(unsigned mode) noexcept;

}  // namespace korbit::platform
