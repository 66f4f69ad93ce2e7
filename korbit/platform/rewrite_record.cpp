#include "korbit/platform/rewrite_record.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <pwd.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

#include "korbit/engine/digest.h"
#include "korbit/platform/atomic_file.h"
#include "korbit/platform/secure_random.h"

namespace korbit::platform {

namespace {

constexpr const char* kMarkAttribute = "user.korbit.rewrite";
constexpr const char* kRecordHeader = "korbit rewrite record 1";

std::string hexOf(const void* data, std::size_t size) {
    static constexpr char kDigits[] = "0123456789abcdef";
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    std::string hex;
    hex.reserve(2 * size);
    for (std::size_t i = 0; i < size; ++i) {
        hex += kDigits[bytes[i] >> 4];
        hex += kDigits[bytes[i] & 15];
    }
    return hex;
}

std::optional<std::string> bytesOfHex(const std::string& hex) {
    if (hex.size() % 2 != 0) {
        return std::nullopt;
    }
    std::string bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        int value = 0;
        for (std::size_t j = i; j < i + 2; ++j) {
            const char c = hex[j];
            const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
            if (digit < 0) {
                return std::nullopt;
            }
            value = value * 16 + digit;
        }
        bytes += static_cast<char>(value);
    }
    return bytes;
}

std::optional<std::uint64_t> numberOf(const std::string& text) {
    if (text.empty() || text.size() > 20 || text.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    errno = 0;
    const unsigned long long value = std::strtoull(text.c_str(), nullptr, 10);
    return errno == 0 ? std::optional<std::uint64_t>(value) : std::nullopt;
}

const char* kindName(FileProof::Kind kind) {
    switch (kind) {
        case FileProof::Kind::kBirthTime:
            return "birth";
        case FileProof::Kind::kGeneration:
            return "generation";
        case FileProof::Kind::kMark:
            return "mark";
        case FileProof::Kind::kNone:
            break;
    }
    return "none";
}

std::optional<FileProof::Kind> kindOf(const std::string& name) {
    for (const FileProof::Kind kind : {FileProof::Kind::kNone, FileProof::Kind::kBirthTime,
                                       FileProof::Kind::kGeneration, FileProof::Kind::kMark}) {
        if (name == kindName(kind)) {
            return kind;
        }
    }
    return std::nullopt;
}

std::string serialize(const RewriteRecord& r) {
    std::string text = std::string(kRecordHeader) + "\n";
    const auto line = [&](const char* key, const std::string& value) {
        text.append(key).append("=").append(value).append("\n");
    };
    line("target", hexOf(r.target.data(), r.target.size()));
    line("target-device", std::to_string(r.targetDevice));
    line("target-inode", std::to_string(r.targetInode));
    line("target-owner", std::to_string(r.targetOwner));
    line("target-proof", kindName(r.targetProof.kind));
    line("target-proof-value", hexOf(r.targetProof.value.data(), r.targetProof.value.size()));
    line("copy-folder", hexOf(r.copyFolder.data(), r.copyFolder.size()));
    line("copy-name", hexOf(r.copyName.data(), r.copyName.size()));
    line("copy-device", std::to_string(r.copyDevice));
    line("copy-inode", std::to_string(r.copyInode));
    line("length", std::to_string(r.length));
    line("sha256", hexOf(r.digest.data(), r.digest.size()));
    line("mode", std::to_string(r.mode & 0777U));
    const engine::sha256::Digest check = engine::sha256::digest(text);
    line("check", hexOf(check.data(), check.size()));
    return text;
}

// The record in `text`, or nothing when any part of it is missing, damaged
// or cut short (the check line covers every line before it).
std::optional<RewriteRecord> parse(const std::string& text) {
    const std::size_t checkAt = text.rfind("check=");
    if (checkAt == std::string::npos || !text.starts_with(std::string(kRecordHeader) + "\n") ||
        !text.ends_with("\n")) {
        return std::nullopt;
    }
    const engine::sha256::Digest check = engine::sha256::digest(std::string_view(text).substr(0, checkAt));
    if (text.substr(checkAt + 6, text.size() - checkAt - 7) != hexOf(check.data(), check.size())) {
        return std::nullopt;
    }
    std::map<std::string, std::string> fields;
    std::size_t at = text.find('\n') + 1;
    while (at < checkAt) {
        const std::size_t end = text.find('\n', at);
        const std::size_t equals = text.find('=', at);
        if (equals == std::string::npos || equals > end) {
            return std::nullopt;
        }
        fields[text.substr(at, equals - at)] = text.substr(equals + 1, end - equals - 1);
        at = end + 1;
    }
    RewriteRecord r;
    const auto bytesField = [&](const char* key, std::string& out) {
        const auto value = bytesOfHex(fields[key]);
        return value ? (out = *value, true) : false;
    };
    const auto numberField = [&](const char* key, auto& out) {
        const auto value = numberOf(fields[key]);
        return value ? (out = static_cast<std::remove_reference_t<decltype(out)>>(*value), true) : false;
    };
    const auto kind = kindOf(fields["target-proof"]);
    const auto digest = bytesOfHex(fields["sha256"]);
    if (!kind || !digest || digest->size() != r.digest.size()) {
        return std::nullopt;
    }
    r.targetProof.kind = *kind;
    std::memcpy(r.digest.data(), digest->data(), r.digest.size());
    if (!bytesField("target", r.target) || !numberField("target-device", r.targetDevice) ||
        !numberField("target-inode", r.targetInode) || !numberField("target-owner", r.targetOwner) ||
        !bytesField("target-proof-value", r.targetProof.value) || !bytesField("copy-folder", r.copyFolder) ||
        !bytesField("copy-name", r.copyName) || !numberField("copy-device", r.copyDevice) ||
        !numberField("copy-inode", r.copyInode) || !numberField("length", r.length) || !numberField("mode", r.mode)) {
        return std::nullopt;
    }
    r.mode &= 0777U;
    return r;
}

// The folder records live in, as the environment names it.
std::optional<std::string> recordFolderPath() {
    std::string base;
    if (const char* state = std::getenv("XDG_STATE_HOME"); state != nullptr && state[0] == '/') {
        base = state;
    } else {
        const char* home = std::getenv("HOME");
        if (home == nullptr || home[0] != '/') {
            const passwd* user = ::getpwuid(::geteuid());
            home = user != nullptr ? user->pw_dir : nullptr;
        }
        if (home == nullptr || home[0] != '/') {
            return std::nullopt;
        }
        base = std::string(home) + "/.local/state";
    }
    while (base.size() > 1 && base.back() == '/') {
        base.pop_back();
    }
    return base + "/korbit/rewrites";
}

// Opens `path` as a folder that is the user's own and that no one else may
// write; AccessDenied when it is not.
engine::Result<Descriptor> openPrivateFolder(const std::string& path) {
    Descriptor folder(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!folder.valid()) {
        return systemFailure(errno, "opening " + path);
    }
    struct stat st {};
    if (::fstat(folder.get(), &st) != 0) {
        return systemFailure(errno, "looking at " + path);
    }
    if (st.st_uid != ::geteuid() || (st.st_mode & 022U) != 0) {
        return engine::Status(engine::ErrorCode::AccessDenied,
                              path + " is not a folder of your own that only you may write", EACCES);
    }
    return folder;
}

std::optional<std::string> readWhole(int fd) {
    std::string text;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 || text.size() > 65536) {
            return std::nullopt;
        }
        if (n == 0) {
            return text;
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
}

}  // namespace

FileProof intrinsicProof(int fd) {
    struct statx sx {};
    if (::statx(fd, "", AT_EMPTY_PATH, STATX_BTIME, &sx) == 0 && (sx.stx_mask & STATX_BTIME) != 0) {
        return {FileProof::Kind::kBirthTime,
                std::to_string(sx.stx_btime.tv_sec) + "." + std::to_string(sx.stx_btime.tv_nsec)};
    }
    int generation = 0;
    if (::ioctl(fd, FS_IOC_GETVERSION, &generation) == 0) {
        return {FileProof::Kind::kGeneration, std::to_string(generation)};
    }
    return {};
}

FileProof proveOrMark(int fd) {
    if (FileProof proof = intrinsicProof(fd); proof.kind != FileProof::Kind::kNone) {
        return proof;
    }
    std::uint32_t words[4];
    for (std::uint32_t& word : words) {
        word = randomWord();
    }
    const std::string mark = hexOf(words, sizeof words);
    if (::fsetxattr(fd, kMarkAttribute, mark.data(), mark.size(), 0) == 0) {
        return {FileProof::Kind::kMark, mark};
    }
    return {};
}

bool carriesProof(int fd, const FileProof& proof) {
    switch (proof.kind) {
        case FileProof::Kind::kNone:
            return false;
        case FileProof::Kind::kBirthTime:
        case FileProof::Kind::kGeneration:
            return intrinsicProof(fd) == proof;
        case FileProof::Kind::kMark: {
            char value[64];
            const ssize_t n = ::fgetxattr(fd, kMarkAttribute, value, sizeof value);
            return n > 0 && std::string(value, static_cast<std::size_t>(n)) == proof.value;
        }
    }
    return false;
}

void removeMark(int fd, const FileProof& proof) {
    if (proof.kind == FileProof::Kind::kMark) {
        ::fremovexattr(fd, kMarkAttribute);
    }
}

engine::Result<RecordFolder> RecordFolder::open() {
    const std::optional<std::string> path = recordFolderPath();
    if (!path) {
        return engine::Status(engine::ErrorCode::NotFound, "there is no home folder for the recovery records", ENOENT);
    }
    // Every missing folder on the way is made for the user alone.
    for (std::size_t slash = path->find('/', 1); ; slash = path->find('/', slash + 1)) {
        const std::string part = path->substr(0, slash);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            return systemFailure(errno, "making " + part);
        }
        if (slash == std::string::npos) {
            break;
        }
    }
    engine::Result<Descriptor> folder = openPrivateFolder(*path);
    if (!folder) {
        return folder.status();
    }
    return RecordFolder(std::move(folder).value(), *path);
}

std::optional<RecordFolder> RecordFolder::existing() {
    const std::optional<std::string> path = recordFolderPath();
    if (!path) {
        return std::nullopt;
    }
    engine::Result<Descriptor> folder = openPrivateFolder(*path);
    if (!folder) {
        return std::nullopt;
    }
    return RecordFolder(std::move(folder).value(), *path);
}

engine::Result<std::string> RecordFolder::add(const RewriteRecord& record) {
    const std::string prefix = std::to_string(record.targetDevice) + "-" + std::to_string(record.targetInode) + "-";
    std::string name;
    engine::Result<Descriptor> made = createTemporaryFile(folder_.get(), "." + prefix, name);
    if (!made) {
        return made.status();
    }
    const std::string text = serialize(record);
    const auto fail = [&](const std::string& what) {
        const int error = errno;
        ::unlinkat(folder_.get(), name.c_str(), 0);
        return engine::Status(engine::ErrorCode::IoFailed, what + " " + path_ + "/" + name + ": " + std::strerror(error),
                              error);
    };
    if (engine::Status written = writeAllBytes(made->get(), std::span(reinterpret_cast<const std::uint8_t*>(text.data()),
                                                                      text.size()),
                                               "writing " + path_ + "/" + name);
        !written) {
        ::unlinkat(folder_.get(), name.c_str(), 0);
        return engine::Status(engine::ErrorCode::IoFailed, written.message(), written.systemError());
    }
    if (::fsync(made->get()) != 0) {
        return fail("flushing");
    }
    // Named without the leading dot only once whole, so that a record is
    // never read half-written.
    const std::string final = name.substr(1);
    if (::renameat(folder_.get(), name.c_str(), folder_.get(), final.c_str()) != 0) {
        return fail("naming");
    }
    if (::fsync(folder_.get()) != 0) {
        const int error = errno;
        ::unlinkat(folder_.get(), final.c_str(), 0);
        return engine::Status(engine::ErrorCode::IoFailed, "flushing " + path_ + ": " + std::strerror(error), error);
    }
    return final;
}

std::vector<std::pair<std::string, RewriteRecord>> RecordFolder::recordsFor(dev_t device, ino_t inode) const {
    std::vector<std::pair<std::string, RewriteRecord>> found;
    const std::string prefix = std::to_string(device) + "-" + std::to_string(inode) + "-";
    const int listed = ::openat(folder_.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* dir = listed >= 0 ? ::fdopendir(listed) : nullptr;
    if (dir == nullptr) {
        if (listed >= 0) {
            ::close(listed);
        }
        return found;
    }
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir)) {
        if (std::string_view(entry->d_name).starts_with(prefix)) {
            names.emplace_back(entry->d_name);
        }
    }
    ::closedir(dir);
    for (const std::string& name : names) {
        Descriptor fd(::openat(folder_.get(), name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat st {};
        if (!fd.valid() || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid() ||
            st.st_nlink != 1 || (st.st_mode & 022U) != 0) {
            continue;
        }
        const std::optional<std::string> text = readWhole(fd.get());
        std::optional<RewriteRecord> record = text ? parse(*text) : std::nullopt;
        if (record && record->targetDevice == device && record->targetInode == inode) {
            found.emplace_back(name, std::move(*record));
        }
    }
    return found;
}

void RecordFolder::remove(const std::string& name) {
    ::unlinkat(folder_.get(), name.c_str(), 0);
    ::fsync(folder_.get());
}

engine::Result<std::pair<std::array<std::uint8_t, 32>, std::uint64_t>> digestOfFile(int fd, const std::string& what) {
    engine::sha256::Hasher hasher;
    std::vector<std::uint8_t> buffer(std::size_t{1} << 20);
    std::uint64_t length = 0;
    for (;;) {
        const ssize_t n = ::pread(fd, buffer.data(), buffer.size(), static_cast<off_t>(length));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return engine::Status(engine::ErrorCode::IoFailed, "reading " + what + ": " + std::strerror(errno), errno);
        }
        if (n == 0) {
            break;
        }
        hasher.update(std::span(buffer.data(), static_cast<std::size_t>(n)));
        length += static_cast<std::uint64_t>(n);
    }
    const engine::sha256::Digest digest = hasher.finish();
    std::array<std::uint8_t, 32> bytes{};
    std::memcpy(bytes.data(), digest.data(), bytes.size());
    return std::make_pair(bytes, length);
}

}  // namespace korbit::platform
