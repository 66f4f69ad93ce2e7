#include "korbit/platform/file_rewrite.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <utility>
#include <vector>

#include "korbit/platform/file_metadata.h"
#include "korbit/platform/regular_file.h"
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

std::mutex& hookMutex() {
    static std::mutex mutex;
    return mutex;
}

RewriteHook& installedHook() {
    static RewriteHook hook;
    return hook;
}

// Runs the test hook at `step`; a failure it asks for is thrown as the
// platform's own would be.
void step(RewriteStep at, const std::string& what) {
    RewriteHook hook;
    {
        const std::lock_guard<std::mutex> lock(hookMutex());
        hook = installedHook();
    }
    if (hook) {
        if (const int error = hook(at); error != 0) {
            fail(engine::ErrorCode::IoFailed, error, what);
        }
    }
}

// ---- Names of temporary files
//
// A run's temporary file is ".<name>.korbit-XXXXXX", locked by the run that
// writes it. Once complete and flushed for a copy-back it becomes
// ".<name>.korbit-complete-<device>-<inode>-<mode>": the file it belongs to
// and the permission bits the file gets when the copy is done. The name part
// is cut so that every such name fits a folder entry.

constexpr std::size_t kNameRoom = 180;
constexpr const char* kRunMark = ".korbit-";
constexpr const char* kCompleteMark = ".korbit-complete-";

std::string namePart(const std::string& name) {
    std::string part = ".";  // appended, not "." + ...: GCC 12 warns falsely on that at -O3 (bug 105651)
    part.append(name, 0, kNameRoom);
    return part;
}

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

std::string completeName(const std::string& name, const struct stat& file, unsigned mode) {
    char bits[8];
    std::snprintf(bits, sizeof bits, "%o", mode & 0777U);
    return completePrefix(name, file) + bits;
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
engine::Result<Replacement> runTemporary(int folder, const std::string& folderPath, const std::string& name) {
    engine::Result<Replacement> made =
        Replacement::create(folder, folderPath, name, systemFileCalls(), runPrefix(name));
    if (made) {
        ::flock(made->descriptor(), LOCK_EX | LOCK_NB);
    }
    return made;
}

}  // namespace

void setRewriteHook(RewriteHook hook) {
    const std::lock_guard<std::mutex> lock(hookMutex());
    installedHook() = std::move(hook);
}

engine::Result<std::unique_ptr<FileRewrite>> FileRewrite::open(const std::string& path,
                                                               const std::string& fallbackFolder) {
    return guardedValue<std::unique_ptr<FileRewrite>>(
        [&] { return std::unique_ptr<FileRewrite>(new FileRewrite(path, fallbackFolder)); });
}

FileRewrite::FileRewrite(const std::string& path, const std::string& fallbackFolder)
    : fallbackFolder_(withoutTrailingSlash(fallbackFolder)) {
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
        std::vector<std::pair<Descriptor, std::string>> places;
        places.emplace_back(Descriptor(::dup(folder_.get())), parentFolder(target_));
        if (!fallbackFolder_.empty()) {
            places.emplace_back(Descriptor(::open(fallbackFolder_.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC)),
                                fallbackFolder_);
        }
        const std::string prefix = completePrefix(name_, opened_);
        for (auto& [folder, folderPath] : places) {
            if (!folder.valid()) {
                continue;
            }
            for (const std::string& entry : entriesOf(folder.get())) {
                if (entry.compare(0, prefix.size(), prefix) != 0) {
                    continue;
                }
                char* end = nullptr;
                const unsigned long bits = std::strtoul(entry.c_str() + prefix.size(), &end, 8);
                if (end == entry.c_str() + prefix.size() || *end != '\0' || bits > 0777U) {
                    continue;
                }
                Descriptor copy(::openat(folder.get(), entry.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
                struct stat st {};
                if (!copy.valid() || ::fstat(copy.get(), &st) != 0 || !S_ISREG(st.st_mode) ||
                    st.st_uid != ::geteuid() || ::flock(copy.get(), LOCK_EX | LOCK_NB) != 0) {
                    continue;  // not ours, or someone's live run
                }
                const std::string keptPath = folderPath + "/" + entry;
                copyBack(copy.get(), static_cast<unsigned>(bits), keptPath);
                ::unlinkat(folder.get(), entry.c_str(), 0);
                syncFolder(folder.get());
                if (::fstat(input_.get(), &opened_) != 0 || ::lseek(input_.get(), 0, SEEK_SET) != 0) {
                    fail(engine::ErrorCode::IoFailed, errno, target_);
                }
                return true;
            }
        }
        return false;
    });
}

void FileRewrite::createTemporary() {
    // The folder is opened readable where it can be, so that it can be
    // flushed after the rename.
    const Descriptor readable(readableFolder(folder_.get()));
    tempFolder_ = Descriptor(readable.valid() ? ::dup(readable.get()) : ::dup(folder_.get()));
    engine::Result<Replacement> made = runTemporary(tempFolder_.get(), parentFolder(target_), name_);
    if (made) {
        temp_.emplace(std::move(made).value());
        tempName_ = temp_->temporaryName();
        tempPath_ = temp_->temporaryPath();
        tempBeside_ = true;
        return;
    }
    const int error = made.status().systemError();
    if ((error == EACCES || error == EROFS || error == EPERM) && !fallbackFolder_.empty()) {
        Descriptor fallback(::open(fallbackFolder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (fallback.valid()) {
            tempFolder_ = std::move(fallback);
            made = runTemporary(tempFolder_.get(), fallbackFolder_, name_);
            if (made) {
                temp_.emplace(std::move(made).value());
                tempName_ = temp_->temporaryName();
                tempPath_ = temp_->temporaryPath();
                tempBeside_ = false;
                return;
            }
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
    // From here on the temporary file is the only complete copy: marked as
    // such, it is never removed before its content is in the file.
    const std::string complete = completeName(name_, opened_, newMode);
    const std::string folderPath = tempBeside_ ? parentFolder(target_) : fallbackFolder_;
    if (::renameat(tempFolder_.get(), tempName_.c_str(), tempFolder_.get(), complete.c_str()) != 0) {
        fail(engine::ErrorCode::IoFailed, errno, "marking " + tempPath_ + " complete");
    }
    temp_->keepTemporary();  // it goes by its new name now, and only when its content is in the file
    tempName_ = complete;
    tempPath_ = folderPath + "/" + complete;
    if (!syncFolder(tempFolder_.get())) {
        // The mark may not survive a crash: the file must not be touched.
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
    copyBack(temp_->descriptor(), newMode, tempPath_);
    ::unlinkat(tempFolder_.get(), tempName_.c_str(), 0);
    syncFolder(tempFolder_.get());  // at worst the next run copies the same bytes once more
}

void FileRewrite::copyBack(int sourceFd, unsigned newMode, const std::string& keptCopy) {
    const auto failKept = [&](int error, const std::string& what) {
        fail(engine::ErrorCode::IoFailed, error,
             what + " (the complete result is kept in " + keptCopy + "; the next run on this file completes it)");
    };
    // The file is written through the descriptor that holds the lock, never
    // reopened by its name. A file without write permission for its owner
    // gets it for the copy; the final mode follows.
    const std::string self = "/proc/self/fd/" + std::to_string(input_.get());
    Descriptor out(::open(self.c_str(), O_WRONLY | O_CLOEXEC));
    if (!out.valid() && errno == EACCES) {
        if (::fchmod(input_.get(), (opened_.st_mode & 0777U) | 0200U) == 0) {
            out = Descriptor(::open(self.c_str(), O_WRONLY | O_CLOEXEC));
        }
    }
    if (!out.valid()) {
        failKept(errno, "opening " + target_ + " for writing");
    }
    std::vector<std::uint8_t> buffer(std::size_t{1} << 20);
    off_t at = 0;
    for (;;) {
        const ssize_t n = ::pread(sourceFd, buffer.data(), buffer.size(), at);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            failKept(errno, "reading " + keptCopy);
        }
        if (n == 0) {
            break;
        }
        try {
            step(RewriteStep::kCopyingBack, "writing " + target_);
            writeAllAt(out.get(), buffer.data(), static_cast<std::size_t>(n), at, "writing " + target_);
        } catch (const Failure& f) {
            failKept(f.status.systemError(), "writing " + target_);
        }
        at += n;
    }
    if (::ftruncate(out.get(), at) != 0) {
        failKept(errno, "writing " + target_);
    }
    if (::fchmod(input_.get(), newMode & 0777U) != 0) {
        failKept(errno, "setting the permissions of " + target_);
    }
    if (::fsync(out.get()) != 0 || out.closeNow() != 0) {
        failKept(errno, "flushing " + target_);
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

bool nameTaken(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 || errno != ENOENT;
}

engine::Result<std::unique_ptr<NewFile>> NewFile::create(const std::string& path) {
    return guardedValue<std::unique_ptr<NewFile>>([&] { return std::unique_ptr<NewFile>(new NewFile(path)); });
}

NewFile::NewFile(const std::string& path) : path_(path), name_(nameOf(path)) {
    folder_ = Descriptor(::open(parentFolder(path).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!folder_.valid()) {
        fail(engine::ErrorCode::IoFailed, errno, "opening the folder of " + path);
    }
    engine::Result<Descriptor> made = createTemporaryFile(folder_.get(), runPrefix(name_), tempName_);
    if (!made) {
        fail(engine::ErrorCode::IoFailed, made.status().systemError(), "creating a temporary file beside " + path);
    }
    fd_ = std::move(made).value();
    ::flock(fd_.get(), LOCK_EX | LOCK_NB);  // no other run takes it for a dead run's
}

NewFile::~NewFile() {
    if (!committed_ && fd_.valid()) {
        ::unlinkat(folder_.get(), tempName_.c_str(), 0);
    }
}

engine::Status NewFile::write(std::span<const std::uint8_t> bytes) {
    const engine::Status written = writeAllBytes(fd_.get(), bytes, "writing " + path_);
    return written ? written : engine::Status(engine::ErrorCode::IoFailed, written.message(), written.systemError());
}

engine::Status NewFile::commit(unsigned mode) {
    return guarded([&] {
        if (::fchmod(fd_.get(), mode & 0777U) != 0) {
            fail(engine::ErrorCode::IoFailed, errno, "setting the permissions of " + path_);
        }
        if (::fsync(fd_.get()) != 0) {
            fail(engine::ErrorCode::IoFailed, errno, "flushing " + path_);
        }
        if (::renameat2(folder_.get(), tempName_.c_str(), folder_.get(), name_.c_str(), RENAME_NOREPLACE) != 0) {
            if (errno == EEXIST) {
                refuse(engine::ErrorCode::Exists, EEXIST, path_ + " exists already");
            }
            fail(engine::ErrorCode::IoFailed, errno, "naming " + path_);
        }
        committed_ = true;
        if (!syncFolder(folder_.get())) {
            fail(engine::ErrorCode::IoFailed, errno, "flushing the folder of " + path_);
        }
    });
}

}  // namespace korbit::platform
