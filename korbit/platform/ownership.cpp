#include "korbit/platform/ownership.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <deque>
#include <string_view>
#include <vector>

#include "korbit/platform/environment.h"

namespace korbit::platform {

namespace {

// Links followed on one path before it counts as a loop, as the kernel does.
constexpr int kMaxLinks = 40;

std::string octal(unsigned mode) {
    std::string digits;
    for (int shift = 9; shift >= 0; shift -= 3) {
        digits.push_back(static_cast<char>('0' + ((mode >> static_cast<unsigned>(shift)) & 7U)));
    }
    return digits;
}

std::string decimal(unsigned n) {
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + n % 10));
        n /= 10;
    } while (n != 0);
    return digits;
}

// "nobody (uid 65534)", or the number alone for a user the database does not know.
std::string userText(unsigned uid) {
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr) {
        return std::string(found->pw_name) + " (uid " + decimal(uid) + ")";
    }
    return "uid " + decimal(uid);
}

bool trustedOwner(unsigned uid) noexcept { return uid == 0 || uid == runningUser(); }

engine::Status refused(const std::string& path, const std::string& why) {
    return {engine::ErrorCode::AccessDenied, path + " " + why, EACCES};
}

engine::Status examineFailed(const std::string& path, int error) {
    if (error == ENOENT || error == ENOTDIR) {
        return {engine::ErrorCode::NotFound, path + " does not exist", error};
    }
    return {engine::ErrorCode::IoFailed, "cannot examine " + path + ": " + std::strerror(error), error};
}

// The owner rule for every entry on the way, and the write rule for what is
// no link: no group or other write, but in a sticky folder of root's.
engine::Status checkEntry(const std::string& path, const struct stat& st) {
    if (!trustedOwner(st.st_uid)) {
        return refused(path, "belongs to " + userText(st.st_uid) + ", neither you nor root");
    }
    const bool stickyOfRoot = S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX) != 0 && st.st_uid == 0;
    if (!S_ISLNK(st.st_mode) && (st.st_mode & (S_IWGRP | S_IWOTH)) != 0 && !stickyOfRoot) {
        return refused(path, "may be written by users other than you and root (mode " +
                                 octal(st.st_mode & 07777U) + ")");
    }
    return {};
}

std::deque<std::string> componentsOf(std::string_view path) {
    std::deque<std::string> parts;
    while (!path.empty()) {
        const std::size_t slash = path.find('/');
        const std::string_view part = path.substr(0, slash);
        if (!part.empty() && part != ".") {
            parts.emplace_back(part);
        }
        path.remove_prefix(slash == std::string_view::npos ? path.size() : slash + 1);
    }
    return parts;
}

std::string joined(const std::string& folder, const std::string& name) {
    return folder == "/" ? "/" + name : folder + "/" + name;
}

std::string withoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

std::string parentOf(const std::string& folder) {
    const std::size_t slash = folder.rfind('/');
    return slash == 0 || slash == std::string::npos ? std::string("/") : folder.substr(0, slash);
}

}  // namespace

unsigned runningUser() noexcept { return ::geteuid(); }

engine::Status checkOwnedPath(const std::string& path) {
    // Taken from the current folder as written: ".." is worked out on the way.
    std::string start = path;
    if (start.empty() || start.front() != '/') {
        std::vector<char> buffer(4096);
        while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
            if (errno != ERANGE) {
                return examineFailed("the current folder", errno);
            }
            buffer.resize(buffer.size() * 2);
        }
        start = joined(buffer.data(), start);
    }
    // Walked from the root; `current` is always a real folder (no link in it),
    // so ".." is simply its parent.
    struct stat st {};
    if (::lstat("/", &st) != 0) {
        return examineFailed("/", errno);
    }
    if (const engine::Status root = checkEntry("/", st); !root) {
        return root;
    }
    std::string current = "/";
    std::deque<std::string> rest = componentsOf(start);
    int links = 0;
    while (!rest.empty()) {
        const std::string name = std::move(rest.front());
        rest.pop_front();
        if (name == "..") {
            current = parentOf(current);
            continue;
        }
        const std::string next = joined(current, name);
        if (::lstat(next.c_str(), &st) != 0) {
            return examineFailed(next, errno);
        }
        if (const engine::Status entry = checkEntry(next, st); !entry) {
            return entry;
        }
        if (!S_ISLNK(st.st_mode)) {
            if (!rest.empty() && !S_ISDIR(st.st_mode)) {
                return examineFailed(next, ENOTDIR);
            }
            current = next;
            continue;
        }
        if (++links > kMaxLinks) {
            return examineFailed(next, ELOOP);
        }
        std::vector<char> target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096) + 1);
        const ssize_t length = ::readlink(next.c_str(), target.data(), target.size());
        if (length < 0 || static_cast<std::size_t>(length) >= target.size()) {
            return examineFailed(next, length < 0 ? errno : ENAMETOOLONG);
        }
        const std::string_view to(target.data(), static_cast<std::size_t>(length));
        std::deque<std::string> more = componentsOf(to);
        rest.insert(rest.begin(), more.begin(), more.end());
        if (!to.empty() && to.front() == '/') {
            current.assign(1, '/');
        }
    }
    return {};
}

engine::Status checkPrivateFolder(const std::string& folder) {
    const std::string path = withoutTrailingSlashes(folder);
    if (const engine::Status above = checkOwnedPath(parentOf(path)); !above) {
        return above;
    }
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
        return examineFailed(path, errno);
    }
    if (!S_ISDIR(st.st_mode)) {
        return refused(path, "is no folder");
    }
    if (st.st_uid != runningUser()) {
        return refused(path, "belongs to " + userText(st.st_uid) + ", not to you");
    }
    if ((st.st_mode & 07777U) != 0700U) {
        return refused(path, "has mode " + octal(st.st_mode & 07777U) + ", not 0700");
    }
    return {};
}

engine::Status makePrivateFolder(const std::string& folder) {
    const std::string path = withoutTrailingSlashes(folder);
    if (path.empty() || path.front() != '/') {
        return {engine::ErrorCode::InvalidArgument, "the private folder " + path + " is no absolute path"};
    }
    // Made from the top down; each folder that exists is left to the checks.
    std::string made;
    for (const std::string& name : componentsOf(path)) {
        made = joined(made.empty() ? "/" : made, name);
        if (::mkdir(made.c_str(), 0700) != 0 && errno != EEXIST) {
            return {engine::ErrorCode::IoFailed, "cannot make the folder " + made + ": " + std::strerror(errno), errno};
        }
    }
    if (const engine::Status above = checkOwnedPath(parentOf(path)); !above) {
        return above;
    }
    // The folders above are the user's or root's alone, so the folder opened
    // here is the one the checks below look at.
    const int opened = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (opened >= 0) {
        struct stat st {};
        const bool onlyTheUsers = ::fstat(opened, &st) == 0 && st.st_uid == runningUser() &&
                                  (st.st_mode & (S_IWGRP | S_IWOTH)) == 0 && (st.st_mode & 07777U) != 0700U;
        // Nobody else could have put anything in it.
        const bool madePrivate = !onlyTheUsers || ::fchmod(opened, 0700) == 0;
        const int error = errno;
        ::close(opened);
        if (!madePrivate) {
            return {engine::ErrorCode::IoFailed, "cannot make " + path + " private: " + std::strerror(error), error};
        }
    }
    return checkPrivateFolder(path);
}

engine::Result<std::string> privateRuntimeFolder(const std::string& program) {
    if (const std::optional<std::string> runtime = absoluteVariable("XDG_RUNTIME_DIR");
        runtime && checkPrivateFolder(*runtime)) {
        return *runtime;
    }
    const std::optional<std::string> cache = baseFolder("XDG_CACHE_HOME", ".cache");
    if (!cache) {
        return engine::Status{engine::ErrorCode::NotFound,
                              "no folder of your own is known: XDG_RUNTIME_DIR is no private folder, and neither "
                              "XDG_CACHE_HOME nor a home folder is set"};
    }
    const std::string folder = joined(withoutTrailingSlashes(*cache), program);
    if (const engine::Status made = makePrivateFolder(folder); !made) {
        return made;
    }
    return folder;
}

std::optional<unsigned> peerUser(int descriptor) noexcept {
    ucred credentials{};
    socklen_t size = sizeof credentials;
    if (::getsockopt(descriptor, SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0 || size != sizeof credentials) {
        return std::nullopt;
    }
    return credentials.uid;
}

}  // namespace korbit::platform
