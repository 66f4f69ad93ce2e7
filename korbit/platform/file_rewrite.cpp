#include "korbit/platform/file_rewrite.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "korbit/base/concat.h"
#include "korbit/platform/file_metadata.h"
#include "korbit/platform/regular_file.h"
#include "korbit/platform/rewrite_check.h"
#include "korbit/platform/rewrite_record.h"
#include "korbit/platform/secure_random.h"

namespace korbit::platform {

namespace {

// ---- Failures and the test hook
//
// Inside this file a failing step throws its Status, so that each step reads
// as the sequence it is; every public member hands the Status back.

struct Failure {
    engine::Status status;
};

[[noreturn]] void fail(engine::ErrorCode code, int error, const std::string& what) {
    throw Failure{{code, what + ": " + std::strerror(error), error}};
}

[[noreturn]] void refuse(engine::ErrorCode code, int error, const std::string& message) {
    throw Failure{{code, message, error}};
}

// A failure of one of the steps every replacement takes counts as an I/O
// failure of the rewrite, whatever the system's reason; a change of the file
// found between them stays what it is.
[[noreturn]] void failStep(const engine::Status& status) {
    if (status.code() == engine::ErrorCode::Changed) {
        throw Failure{status};
    }
    throw Failure{{engine::ErrorCode::IoFailed, status.message(), status.systemError()}};
}

// A failure of a copy into the file once it had begun: the complete copy
// stays, and the message says where.
[[noreturn]] void keptFailure(const Failure& f, const std::string& keptCopy) {
    throw Failure{{engine::ErrorCode::IoFailed,
                   f.status.message() + " (the complete result is kept in " + keptCopy +
                       "; the next run on this file completes it)",
                   f.status.systemError()}};
}

template <typename Body>
engine::Status guarded(Body&& body) {
    try {
        body();
        return engine::Status::ok();
    } catch (const Failure& f) {
        return f.status;
    }
}

template <typename T, typename Body>
engine::Result<T> guardedValue(Body&& body) {
    try {
        return body();
    } catch (const Failure& f) {
        return f.status;
    }
}

// ---- Names of temporary files
//
// A run's temporary file is ".<name>.korbit-XXXXXX", locked by the run that
// writes it. Once complete and flushed for a copy-back it becomes
// ".<name>.korbit-complete-<device>-<inode>-XXXXXX", after the file it
// belongs to. The name only helps to find it: what proves that it may be
// applied is the run's record (rewrite_record.h). The name part is cut so
// that every such name fits a folder entry.

constexpr std::size_t kNameRoom = 180;
constexpr const char* kRunMark = ".korbit-";
constexpr const char* kCompleteMark = ".korbit-complete-";

std::string namePart(const std::string& name) { return concat(".", std::string_view(name).substr(0, kNameRoom)); }

// The prefix of the run temporary files of `name`: ".<name>.korbit-", to
// which six random letters and digits are added.
std::string runPrefix(const std::string& name) { return namePart(name) + kRunMark; }

bool isRunTemporary(const std::string& entry, const std::string& name) {
    const std::string prefix = runPrefix(name);
    return entry.size() == prefix.size() + 6 && entry.compare(0, prefix.size(), prefix) == 0;
}

std::string completePrefix(const std::string& name, const struct stat& file) {
    char identity[64];
    std::snprintf(identity, sizeof identity, "%llx-%llx-", static_cast<unsigned long long>(file.st_dev),
                  static_cast<unsigned long long>(file.st_ino));
    return namePart(name) + kCompleteMark + identity;
}

// ---- Folders

// The folder as given, without the "/" a caller may have ended it with:
// the messages join it with a file name.
std::string withoutTrailingSlash(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

std::string nameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Opens the folder `absolute` (a path without links, as realpath gives it)
// one component at a time, never following a link: a component swapped for a
// link since the path was resolved makes it fail instead of leading
// elsewhere.
int openFolderNoFollow(const std::string& absolute) {
    Descriptor at(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!at.valid()) {
        return -1;
    }
    std::size_t begin = 1;
    while (begin < absolute.size()) {
        std::size_t end = absolute.find('/', begin);
        if (end == std::string::npos) {
            end = absolute.size();
        }
        const std::string component = absolute.substr(begin, end - begin);
        begin = end + 1;
        if (component.empty()) {
            continue;
        }
        Descriptor next(::openat(at.get(), component.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        struct stat st {};
        if (!next.valid() || ::fstat(next.get(), &st) != 0 || !S_ISDIR(st.st_mode)) {
            if (next.valid()) {
                errno = ENOTDIR;
            }
            return -1;
        }
        at = Descriptor(next.release());
    }
    return at.release();
}

// A descriptor of the folder `folder` refers to that can be listed and flushed.
int readableFolder(int folder) { return ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC); }

bool syncFolder(int folder) {
    Descriptor readable(readableFolder(folder));
    return readable.valid() && ::fsync(readable.get()) == 0;
}

// Entry names of a folder; empty when it cannot be listed.
std::vector<std::string> entriesOf(int folder) {
    std::vector<std::string> names;
    const int fd = readableFolder(folder);
    if (fd < 0) {
        return names;
    }
    DIR* dir = ::fdopendir(fd);
    if (dir == nullptr) {
        ::close(fd);
        return names;
    }
    while (const dirent* entry = ::readdir(dir)) {
        names.emplace_back(entry->d_name);
    }
    ::closedir(dir);
    return names;
}

// Unmarked temporary files of `name` that no live run holds were left by a
// run that died before its result was complete: they are removed so that
// nothing can ever take them for anything. Their paths go to `removed`.
void removeStaleTemporaries(int folder, const std::string& folderPath, const std::string& name,
                            std::vector<std::string>& removed) {
    for (const std::string& entry : entriesOf(folder)) {
        if (!isRunTemporary(entry, name)) {
            continue;
        }
        Descriptor fd(::openat(folder, entry.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
        struct stat st {};
        if (fd.valid() && ::fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
            ::flock(fd.get(), LOCK_EX | LOCK_NB) == 0 && ::unlinkat(folder, entry.c_str(), 0) == 0) {
            removed.push_back(folderPath + "/" + entry);
        }
    }
}

// ---- Reading and writing

void writeAllAt(int fd, const std::uint8_t* data, std::size_t size, off_t offset, const std::string& what) {
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, data, size, offset);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            fail(engine::ErrorCode::IoFailed, errno, what);
        }
        data += n;
        offset += n;
        size -= static_cast<std::size_t>(n);
    }
}

bool sameTimes(const struct timespec& a, const struct timespec& b) noexcept {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// Makes a run's temporary file for `name` in the folder open as `folder`,
// locked so that no other run takes it for a dead run's.
engine::Result<Replacement> runTemporary(int folder, const std::string& folderPath, const std::string& name,
                                         FileCalls& calls) {
    engine::Result<Replacement> made = Replacement::create(folder, folderPath, name, calls, runPrefix(name));
    if (made) {
        ::flock(made->descriptor(), LOCK_EX | LOCK_NB);
    }
    return made;
}

}  // namespace

engine::Result<std::unique_ptr<FileRewrite>> FileRewrite::open(const std::string& path,
                                                               const std::string& fallbackFolder, System& system) {
    return guardedValue<std::unique_ptr<FileRewrite>>(
        [&] { return std::unique_ptr<FileRewrite>(new FileRewrite(path, fallbackFolder, system)); });
}

// Tells the system of `at`; a failure it asks for is thrown as the
// platform's own would be.
void FileRewrite::step(RewriteStep at, const std::string& what) const {
    if (const int error = system_.atRewriteStep(at); error != 0) {
        fail(engine::ErrorCode::IoFailed, error, what);
    }
}

FileRewrite::FileRewrite(const std::string& path, const std::string& fallbackFolder, System& system)
    : system_(system), fallbackFolder_(withoutTrailingSlash(fallbackFolder)) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) {
        fail(errno == ENOENT ? engine::ErrorCode::NotFound : engine::ErrorCode::IoFailed, errno, path);
    }
    target_ = resolved;
    name_ = nameOf(target_);
    if (name_.empty()) {
        refuse(engine::ErrorCode::NotAFile, EISDIR, target_ + " is not a regular file");
    }
    folder_ = Descriptor(openFolderNoFollow(parentFolder(target_)));
    if (!folder_.valid()) {
        fail(errno == ENOENT ? engine::ErrorCode::NotFound : engine::ErrorCode::IoFailed, errno, parentFolder(target_));
    }

    // Never wait on a pipe or device: opened without blocking, refused below.
    input_ = Descriptor(
        ::openat(folder_.get(), name_.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!input_.valid()) {
        const int error = errno;
        if (error == ELOOP) {
            refuse(engine::ErrorCode::Changed, error, target_ + " was replaced by a link");
        }
        fail(error == ENOENT ? engine::ErrorCode::NotFound : engine::ErrorCode::IoFailed, error, target_);
    }
    struct stat st {};
    if (::fstat(input_.get(), &st) != 0) {
        fail(engine::ErrorCode::IoFailed, errno, target_);
    }
    if (!S_ISREG(st.st_mode)) {
        refuse(engine::ErrorCode::NotAFile, EINVAL, target_ + " is not a regular file");
    }
    if (::flock(input_.get(), LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        refuse(engine::ErrorCode::Busy, error, target_ + " is being encrypted or decrypted already");
    }
    ::fcntl(input_.get(), F_SETFL, 0);
    // Taken under the lock: a run that held it may have just replaced the file.
    if (::fstat(input_.get(), &opened_) != 0) {
        fail(engine::ErrorCode::IoFailed, errno, target_);
    }
    removeStaleTemporaries(folder_.get(), parentFolder(target_), name_, removedStale_);
    if (!fallbackFolder_.empty()) {
        Descriptor fallback(::open(fallbackFolder_.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (fallback.valid()) {
            removeStaleTemporaries(fallback.get(), fallbackFolder_, name_, removedStale_);
        }
    }
    step(RewriteStep::kOpened, "opening " + target_);
}

// The temporary file, unless put in place or kept, goes with temp_; closing
// the input releases the lock, last.
FileRewrite::~FileRewrite() = default;

engine::Result<std::size_t> FileRewrite::peek(std::span<std::uint8_t> buffer) {
    return guardedValue<std::size_t>([&] {
        std::size_t got = 0;
        while (got < buffer.size()) {
            const ssize_t n = ::pread(input_.get(), buffer.data() + got, buffer.size() - got, static_cast<off_t>(got));
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0) {
                fail(engine::ErrorCode::IoFailed, errno, "reading " + target_);
            }
            if (n == 0) {
                break;
            }
            got += static_cast<std::size_t>(n);
        }
        return got;
    });
}

engine::Result<std::size_t> FileRewrite::read(std::span<std::uint8_t> buffer) {
    return guardedValue<std::size_t>([&]() -> std::size_t {
        for (;;) {
            const ssize_t n = ::read(input_.get(), buffer.data(), buffer.size());
            if (n >= 0) {
                return static_cast<std::size_t>(n);
            }
            if (errno != EINTR) {
                fail(engine::ErrorCode::IoFailed, errno, "reading " + target_);
            }
        }
    });
}

engine::Result<bool> FileRewrite::completeInterrupted() {
    return guardedValue<bool>([&] {
        std::optional<RecordFolder> records = RecordFolder::existing();
        std::vector<std::string> otherFilesCopies;  // left for a file that is gone and had these numbers
        if (records) {
            for (const auto& [recordName, record] : records->recordsFor(opened_.st_dev, opened_.st_ino)) {
                const std::string copyPath = record.copyFolder + "/" + record.copyName;
                if (record.targetProof.kind != FileProof::Kind::kNone &&
                    (record.targetOwner != opened_.st_uid || !carriesProof(input_.get(), record.targetProof))) {
                    otherFilesCopies.push_back(copyPath);
                    continue;
                }
                Descriptor folder(::open(record.copyFolder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
                Descriptor copy(folder.valid() ? ::openat(folder.get(), record.copyName.c_str(),
                                                          O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK)
                                               : -1);
                if (!copy.valid() && errno == ENOENT) {
                    records->remove(recordName);  // a run that died before its copy was named
                    continue;
                }
                if (record.targetProof.kind == FileProof::Kind::kNone) {
                    unproven(copyPath, "its file system keeps nothing that tells this file apart from one that had "
                                       "its numbers before");
                }
                checkOwnCopy(copy, record, copyPath);
                applyRecordedCopy(copy.get(), record, copyPath);
                ::unlinkat(folder.get(), record.copyName.c_str(), 0);
                syncFolder(folder.get());
                records->remove(recordName);
                removeMark(input_.get(), record.targetProof);
                if (::fstat(input_.get(), &opened_) != 0 || ::lseek(input_.get(), 0, SEEK_SET) != 0) {
                    fail(engine::ErrorCode::IoFailed, errno, target_);
                }
                return true;
            }
        }
        // Anything else named like a complete copy of this file proves nothing.
        // Another user's entry is passed over (it must not stop the run); an
        // entry of the user's own may be the only whole copy of the file's
        // content, so the run stops and says where it is.
        const std::string prefix = completePrefix(name_, opened_);
        for (const auto& [folderPath, folder] : copyPlaces()) {
            for (const std::string& entry : entriesOf(folder.get())) {
                if (entry.compare(0, prefix.size(), prefix) != 0) {
                    continue;
                }
                const std::string path = folderPath + "/" + entry;
                struct stat st {};
                if (::fstatat(folder.get(), entry.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
                    continue;
                }
                if (std::find(otherFilesCopies.begin(), otherFilesCopies.end(), path) != otherFilesCopies.end()) {
                    notices_.push_back(path + " was left by an interrupted run on an earlier file that no longer "
                                              "exists; it was not applied.");
                } else if (st.st_uid != ::geteuid() || !S_ISREG(st.st_mode) || st.st_nlink != 1 ||
                           (st.st_mode & 022U) != 0) {
                    // Runs make their copies with one name, for their user alone.
                    notices_.push_back("Ignored " + path + ": it is named like a complete copy of " + name_ +
                                       ", but it was not made by a run of yours" +
                                       (st.st_uid != ::geteuid() ? " (it belongs to another user)." : "."));
                } else {
                    unproven(path, "no record of the run that made it was found");
                }
            }
        }
        return false;
    });
}

std::vector<std::pair<std::string, Descriptor>> FileRewrite::copyPlaces() const {
    std::vector<std::pair<std::string, Descriptor>> places;
    places.emplace_back(parentFolder(target_), Descriptor(::dup(folder_.get())));
    if (!fallbackFolder_.empty()) {
        Descriptor fallback(::open(fallbackFolder_.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (fallback.valid()) {
            places.emplace_back(fallbackFolder_, std::move(fallback));
        }
    }
    return places;
}

void FileRewrite::unproven(const std::string& copyPath, const std::string& why) const {
    refuse(engine::ErrorCode::IoFailed, EPERM,
           copyPath + " looks like the complete result of an interrupted run on " + target_ +
               ", but it cannot be proven to be one: " + why +
               ". Nothing was changed. Look at it, and move it away or remove it to go on.");
}

// The checks a recorded copy must pass before a byte of it is used: the
// user's own regular file with one name that nobody else may write, the very
// file the run made, holding exactly what the run recorded.
void FileRewrite::checkOwnCopy(const Descriptor& copy, const RewriteRecord& record, const std::string& copyPath) const {
    struct stat st {};
    if (!copy.valid() || ::fstat(copy.get(), &st) != 0) {
        unproven(copyPath, std::string("it cannot be opened (") + std::strerror(errno) + ")");
    }
    if (!S_ISREG(st.st_mode) || st.st_uid != ::geteuid() || st.st_nlink != 1 || (st.st_mode & 022U) != 0) {
        unproven(copyPath, "it is not a file of yours with a single name that only you may write");
    }
    if (st.st_dev != record.copyDevice || st.st_ino != record.copyInode) {
        unproven(copyPath, "it is not the file the run recorded");
    }
    if (::flock(copy.get(), LOCK_EX | LOCK_NB) != 0) {
        refuse(engine::ErrorCode::Busy, EWOULDBLOCK, target_ + " is being encrypted or decrypted already");
    }
    const auto digest = digestOfFile(copy.get(), copyPath);
    if (!digest) {
        fail(engine::ErrorCode::IoFailed, digest.status().systemError(), "reading " + copyPath);
    }
    if (digest->second != record.length || digest->first != record.digest) {
        unproven(copyPath, "its content is not what the run recorded (it was cut short or changed)");
    }
}

void FileRewrite::applyRecordedCopy(int copy, const RewriteRecord& record, const std::string& copyPath) {
    WritableFile out = openForWriting();
    bool touched = false;
    try {
        copyBack(out, copy, record.mode & 0777U, touched);
    } catch (const Failure& f) {
        keptFailure(f, copyPath);
    }
}

FileRewrite::WritableFile FileRewrite::openForWriting() {
    // The file is written through the descriptor that holds the lock, never
    // reopened by its name. A file of the user's without write permission for
    // its owner gets it for the copy; the final mode follows.
    const std::string self = "/proc/self/fd/" + std::to_string(input_.get());
    WritableFile out{Descriptor(::open(self.c_str(), O_WRONLY | O_CLOEXEC)), false};
    if (!out.fd.valid() && errno == EACCES && opened_.st_uid == ::geteuid() &&
        ::fchmod(input_.get(), (opened_.st_mode & 0777U) | 0200U) == 0) {
        out.modeRaised = true;
        out.fd = Descriptor(::open(self.c_str(), O_WRONLY | O_CLOEXEC));
        // That change of mode is this run's own: later checks for changes by
        // others start from the change time it gave the file.
        struct stat now {};
        if (::fstat(input_.get(), &now) == 0) {
            opened_.st_ctim = now.st_ctim;
        }
    }
    if (!out.fd.valid()) {
        const int error = errno;
        restoreMode(out);
        fail(engine::ErrorCode::IoFailed, error, "opening " + target_ + " for writing");
    }
    return out;
}

void FileRewrite::restoreMode(WritableFile& out) const {
    if (out.modeRaised) {
        ::fchmod(input_.get(), opened_.st_mode & 0777U);
        out.modeRaised = false;
    }
}

void FileRewrite::createTemporary() {
    // Makes the temporary file in `folder` (kept as tempFolder_ on success).
    const auto makeIn = [&](Descriptor folder, const std::string& folderPath, bool beside) {
        engine::Result<Replacement> made = runTemporary(folder.get(), folderPath, name_, system_.fileCalls());
        if (!made) {
            return made.status().systemError();
        }
        tempFolder_ = std::move(folder);
        temp_.emplace(std::move(made).value());
        tempName_ = temp_->temporaryName();
        tempPath_ = temp_->temporaryPath();
        tempBeside_ = beside;
        return 0;
    };
    // The folder is opened readable where it can be, so that it can be
    // flushed after the rename.
    const Descriptor readable(readableFolder(folder_.get()));
    const int error =
        makeIn(Descriptor(readable.valid() ? ::dup(readable.get()) : ::dup(folder_.get())), parentFolder(target_), true);
    if (error == 0) {
        return;
    }
    if ((error == EACCES || error == EROFS || error == EPERM) && !fallbackFolder_.empty()) {
        Descriptor fallback(::open(fallbackFolder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (fallback.valid() && makeIn(std::move(fallback), fallbackFolder_, false) == 0) {
            return;
        }
    }
    fail(engine::ErrorCode::IoFailed, error, "creating a temporary file beside " + target_);
}

engine::Status FileRewrite::write(std::span<const std::uint8_t> bytes) {
    return guarded([&] {
        if (!temp_) {
            createTemporary();
        }
        step(RewriteStep::kWriting, "writing " + tempPath_);
        if (engine::Status written = temp_->write(bytes); !written) {
            failStep(written);
        }
        written_ += bytes.size();
        // Start writing back every few megabytes: dirty pages never pile up, so
        // no write stalls for long (the host's events keep running) and the
        // final flush has little left to do.
        constexpr std::uint64_t kWriteBackStep = std::uint64_t{8} << 20;
        if (written_ - writtenBack_ >= kWriteBackStep) {
            ::sync_file_range(temp_->descriptor(), static_cast<off_t>(writtenBack_),
                              static_cast<off_t>(written_ - writtenBack_), SYNC_FILE_RANGE_WRITE);
            writtenBack_ = written_;
        }
    });
}

void FileRewrite::checkUnchanged(const char* what) const {
    struct stat now {};
    if (::fstat(input_.get(), &now) != 0) {
        fail(engine::ErrorCode::IoFailed, errno, target_);
    }
    if (now.st_size != opened_.st_size || !sameTimes(now.st_mtim, opened_.st_mtim) ||
        !sameTimes(now.st_ctim, opened_.st_ctim)) {
        refuse(engine::ErrorCode::Changed, EAGAIN, target_ + " changed while it was being " + what);
    }
}

engine::Status FileRewrite::commit(unsigned newMode) {
    return guarded([&] {
        newMode &= 0777U;
        if (!temp_) {
            createTemporary();  // an empty result
        }
        struct stat now {};
        if (::fstat(input_.get(), &now) != 0) {
            fail(engine::ErrorCode::IoFailed, errno, target_);
        }
        // A file with several names is rewritten in place, so every name sees the
        // result; so is one whose owner, group or attributes the new file cannot
        // be given.
        if (tempBeside_ && now.st_nlink <= 1 && copyOwnerAndAttributes(input_.get(), temp_->descriptor())) {
            commitBeside(newMode);
        } else {
            commitInPlace(newMode);
        }
    });
}

void FileRewrite::commitBeside(unsigned newMode) {
    CommitSteps steps;
    steps.beforeRename = [&] {
        return guarded([&] {
            checkUnchanged("rewritten");
            struct stat named {};
            if (::fstatat(folder_.get(), name_.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0 ||
                named.st_dev != opened_.st_dev || named.st_ino != opened_.st_ino) {
                refuse(engine::ErrorCode::Changed, ENOENT,
                       target_ + " was moved or replaced while it was being rewritten");
            }
            step(RewriteStep::kBeforeReplace, "replacing " + target_);
        });
    };
    steps.afterRename = [&] {
        return guarded([&] {
            step(RewriteStep::kReplaced,
                 "the new content of " + target_ + " is in place, but its folder could not be flushed");
        });
    };
    if (engine::Status committed = temp_->commit(newMode, steps); !committed) {
        failStep(committed);
    }
}

void FileRewrite::commitInPlace(unsigned newMode) {
    if (::fsync(temp_->descriptor()) != 0) {
        fail(engine::ErrorCode::IoFailed, errno, "flushing " + tempPath_);
    }
    checkUnchanged("rewritten");
    // Nothing is kept for a file that cannot be written: its opening comes first.
    WritableFile out = openForWriting();
    RewriteRecord record;
    std::optional<RecordFolder> records;
    std::string recordName;
    const auto discard = [&] {
        if (!recordName.empty()) {
            records->remove(recordName);
        }
        removeMark(input_.get(), record.targetProof);
        restoreMode(out);
    };
    try {
        engine::Result<RecordFolder> opened = RecordFolder::open();
        if (!opened) {
            refuse(engine::ErrorCode::IoFailed, opened.status().systemError(),
                   target_ + " must be rewritten in place, but there is no folder of your own for the record that "
                             "lets an interrupted run be completed (" + opened.status().message() + ")");
        }
        records.emplace(std::move(opened).value());
        const auto digest = digestOfFile(temp_->descriptor(), tempPath_);
        if (!digest) {
            fail(engine::ErrorCode::IoFailed, digest.status().systemError(), "reading " + tempPath_);
        }
        struct stat copy {};
        if (::fstat(temp_->descriptor(), &copy) != 0) {
            fail(engine::ErrorCode::IoFailed, errno, tempPath_);
        }
        record.target = target_;
        record.targetDevice = opened_.st_dev;
        record.targetInode = opened_.st_ino;
        record.targetOwner = opened_.st_uid;
        record.targetProof = proveOrMark(input_.get());
        record.copyFolder = tempBeside_ ? parentFolder(target_) : fallbackFolder_;
        record.copyName = completePrefix(name_, opened_) + tempName_.substr(tempName_.size() - 6);
        record.copyDevice = copy.st_dev;
        record.copyInode = copy.st_ino;
        record.length = digest->second;
        record.digest = digest->first;
        record.mode = newMode & 0777U;
        // The record first: a run that dies before its copy is named leaves a
        // record of nothing, which the next run drops.
        engine::Result<std::string> added = records->add(record);
        if (!added) {
            fail(engine::ErrorCode::IoFailed, added.status().systemError(), added.status().message());
        }
        recordName = added.value();
        if (::renameat2(tempFolder_.get(), tempName_.c_str(), tempFolder_.get(), record.copyName.c_str(),
                        RENAME_NOREPLACE) != 0) {
            fail(engine::ErrorCode::IoFailed, errno, "marking " + tempPath_ + " complete");
        }
        temp_->keepTemporary();  // it goes by its new name now, and only when its content is in the file
        tempName_ = record.copyName;
        tempPath_ = record.copyFolder + "/" + record.copyName;
        if (!syncFolder(tempFolder_.get())) {
            // The name may not survive a crash: the file must not be touched.
            const int error = errno;
            ::unlinkat(tempFolder_.get(), tempName_.c_str(), 0);
            fail(engine::ErrorCode::IoFailed, error, "flushing the folder of " + tempPath_);
        }
        step(RewriteStep::kMarkedComplete, "rewriting " + target_);
        try {
            checkUnchanged("rewritten");
        } catch (const Failure&) {
            ::unlinkat(tempFolder_.get(), tempName_.c_str(), 0);
            throw;
        }
    } catch (const Failure&) {
        discard();
        throw;
    }
    bool touched = false;
    try {
        copyBack(out, temp_->descriptor(), newMode, touched);
    } catch (const Failure& f) {
        if (touched) {
            keptFailure(f, tempPath_);
        }
        ::unlinkat(tempFolder_.get(), tempName_.c_str(), 0);  // the file is as it was: nothing to complete
        discard();
        throw;
    }
    ::unlinkat(tempFolder_.get(), tempName_.c_str(), 0);
    syncFolder(tempFolder_.get());  // at worst the next run copies the same bytes once more
    records->remove(recordName);
    removeMark(input_.get(), record.targetProof);
}

// Copies the content of `sourceFd` into the file through `out`, gives it
// `newMode` and flushes it. `touched` turns true before the first byte of
// the file can change.
void FileRewrite::copyBack(WritableFile& out, int sourceFd, unsigned newMode, bool& touched) {
    std::vector<std::uint8_t> buffer(std::size_t{1} << 20);
    off_t at = 0;
    for (;;) {
        const ssize_t n = ::pread(sourceFd, buffer.data(), buffer.size(), at);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            fail(engine::ErrorCode::IoFailed, errno, "reading the complete copy of " + target_);
        }
        if (n == 0) {
            break;
        }
        step(RewriteStep::kCopyingBack, "writing " + target_);
        touched = true;
        writeAllAt(out.fd.get(), buffer.data(), static_cast<std::size_t>(n), at, "writing " + target_);
        at += n;
    }
    touched = true;
    if (::ftruncate(out.fd.get(), at) != 0) {
        fail(engine::ErrorCode::IoFailed, errno, "writing " + target_);
    }
    out.modeRaised = false;  // the final mode replaces it
    if (::fchmod(input_.get(), newMode & 0777U) != 0) {
        fail(engine::ErrorCode::IoFailed, errno, "setting the permissions of " + target_);
    }
    if (::fsync(out.fd.get()) != 0 || out.fd.closeNow() != 0) {
        fail(engine::ErrorCode::IoFailed, errno, "flushing " + target_);
    }
    step(RewriteStep::kReplaced, "rewriting " + target_);
}

engine::Status FileRewrite::removeOriginal() {
    return guarded([&] {
        struct stat named {};
        if (::fstatat(folder_.get(), name_.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0 ||
            named.st_dev != opened_.st_dev || named.st_ino != opened_.st_ino) {
            refuse(engine::ErrorCode::Changed, ENOENT, target_ + " was moved or replaced");
        }
        if (::unlinkat(folder_.get(), name_.c_str(), 0) != 0) {
            fail(engine::ErrorCode::IoFailed, errno, "removing " + target_);
        }
        if (!syncFolder(folder_.get())) {
            fail(engine::ErrorCode::IoFailed, errno, "flushing the folder of " + target_);
        }
    });
}

bool interruptedRewritePending(const std::string& path) {
    char resolved[PATH_MAX];
    struct stat file {};
    if (::realpath(path.c_str(), resolved) == nullptr || ::stat(resolved, &file) != 0 || !S_ISREG(file.st_mode)) {
        return false;
    }
    if (const std::optional<RecordFolder> records = RecordFolder::existing();
        records && !records->recordsFor(file.st_dev, file.st_ino).empty()) {
        return true;
    }
    const std::string target = resolved;
    const std::string prefix = completePrefix(nameOf(target), file);
    const Descriptor folder(::open(parentFolder(target).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid()) {
        return false;
    }
    for (const std::string& entry : entriesOf(folder.get())) {
        struct stat st {};
        if (entry.compare(0, prefix.size(), prefix) == 0 &&
            ::fstatat(folder.get(), entry.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && st.st_uid == ::geteuid()) {
            return true;
        }
    }
    return false;
}

bool nameTaken(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 || errno != ENOENT;
}

engine::Result<std::unique_ptr<NewFile>> NewFile::create(const std::string& path) {
    return guardedValue<std::unique_ptr<NewFile>>([&] { return std::unique_ptr<NewFile>(new NewFile(path)); });
}

NewFile::NewFile(const std::string& path) : path_(path) {
    folder_ = Descriptor(::open(parentFolder(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder_.valid()) {
        fail(engine::ErrorCode::IoFailed, errno, "opening the folder of " + path);
    }
    engine::Result<Replacement> made = runTemporary(folder_.get(), parentFolder(path), nameOf(path), systemFileCalls());
    if (!made) {
        fail(engine::ErrorCode::IoFailed, made.status().systemError(), "creating a temporary file beside " + path);
    }
    temp_.emplace(std::move(made).value());
}

engine::Status NewFile::write(std::span<const std::uint8_t> bytes) {
    const engine::Status written = temp_->write(bytes);
    return written ? written : engine::Status(engine::ErrorCode::IoFailed, written.message(), written.systemError());
}

engine::Status NewFile::commit(unsigned mode) {
    const engine::Status committed = temp_->commit(mode, {}, ExistingTarget::kKeep);
    if (committed || committed.code() == engine::ErrorCode::Exists) {
        return committed;
    }
    return {engine::ErrorCode::IoFailed, committed.message(), committed.systemError()};
}

}  // namespace korbit::platform
