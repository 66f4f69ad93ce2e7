// The file and folder operations through the dispatch interface: what they
// change on disk, what they leave alone, and the boxes they show.
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <fstream>
#include <optional>
#include <sstream>

#include "korbit/control/values/type_library.h"
#include "platform/scratch_folder.h"
#include "services/method_calls.h"
#include "support/scripted_host.h"
#include "support/test_system.h"

namespace korbit::testing {
namespace {

namespace fs = std::filesystem;
using control::Text;
using control::Value;

std::string contentOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// Holds a whole-file lock the way another program would.
class HeldLock {
public:
    explicit HeldLock(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY)) { ::flock(fd_, LOCK_EX); }
    ~HeldLock() { ::close(fd_); }
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;

private:
    int fd_;
};

class FileOperations : public ::testing::Test {
protected:
    ScriptedHost host;
    TestSystem system;
    control::KorbitControl control{&host, system};
    ScratchFolder scratch;
};

TEST_F(FileOperations, CreateOnlyWhatIsMissing) {
    const std::string existing = scratch.file("keep.txt", 3);
    const std::string empty = scratch.file("empty.txt");
    fs::create_symlink(scratch / "elsewhere.txt", scratch / "dangling");
    const struct {
        const char* method;
        std::string path;
        bool result;
    } cases[] = {
        {"CreateMyDIR", scratch / "new", true},
        {"CreateMyDIR", scratch / "new", false},
        {"CreateMyDIR", scratch / "missing/child", false},
        {"CreateMyFile", scratch / "new.txt", true},
        {"CreateMyFile", existing, false},
        {"CreateMyFile", empty, false},
        {"CreateMyFile", scratch / "dangling", false},
        {"CreateMyFile", scratch / "missing/x.txt", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(call(control, c.method, {text(c.path)}), boolean(c.result)) << c.method << " " << c.path;
    }
    EXPECT_TRUE(fs::is_directory(scratch / "new"));
    EXPECT_FALSE(fs::exists(scratch / "missing"));
    EXPECT_EQ(contentOf(existing), "xxx");
    EXPECT_FALSE(fs::exists(scratch / "elsewhere.txt"));
}

TEST_F(FileOperations, MoveRewritesTheTargetAndRespectsExistingFiles) {
    const std::string from = scratch.file("a/x.txt", 1);
    scratch.folder("b");
    std::vector<Value> args{text(from), text(scratch / "b")};
    ASSERT_EQ(callMethod(control, "MoveMyFile", args).result, kTrueValue);
    EXPECT_EQ(args[1], text(scratch / "b/x.txt"));
    EXPECT_TRUE(fs::exists(scratch / "b/x.txt"));

    scratch.file("a/x.txt", 5);
    args = {text(from), text(scratch / "b/")};
    EXPECT_EQ(callMethod(control, "MoveMyFile", args).result, kFalseValue);  // refused: both stay
    EXPECT_EQ(args[1], text(scratch / "b/x.txt"));
    EXPECT_EQ(fs::file_size(from), 5U);
    EXPECT_EQ(fs::file_size(scratch / "b/x.txt"), 1U);

    args = {text(from), text(scratch / "b")};
    EXPECT_EQ(callMethod(control, "MoveMyFileReplaceExisting", args).result, kTrueValue);
    EXPECT_FALSE(fs::exists(from));
    EXPECT_EQ(fs::file_size(scratch / "b/x.txt"), 5U);
}

TEST_F(FileOperations, MovesAcrossFileSystemsAreWholeOrNotAtAll) {
    struct stat here {};
    struct stat there {};
    if (::stat(scratch.path().c_str(), &here) != 0 || ::stat("/dev/shm", &there) != 0 || here.st_dev == there.st_dev ||
        ::access("/dev/shm", W_OK) != 0) {
        GTEST_SKIP() << "needs /dev/shm on a file system of its own";
    }
    std::optional<ScratchFolder> elsewhere;
    {
        const ScopedVariable shm{"TMPDIR", std::string("/dev/shm")};
        elsewhere.emplace();
    }
    const std::string from = scratch.file("x.txt", 6);
    fs::last_write_time(from, fs::file_time_type::clock::now() - std::chrono::hours(3));
    const auto modified = fs::last_write_time(from);
    const std::string taken = elsewhere->file("taken/x.txt", 2);

    EXPECT_EQ(call(control, "MoveMyFile", {text(from), text(elsewhere->path() + "/taken")}), kFalseValue);
    EXPECT_EQ(call(control, "MoveMyFileReplaceExisting", {text(from), text(elsewhere->path())}), kFalseValue);
    EXPECT_EQ(fs::file_size(from), 6U);
    EXPECT_EQ(fs::file_size(taken), 2U);
    EXPECT_FALSE(fs::exists(*elsewhere / "x.txt"));

    EXPECT_EQ(call(control, "MoveMyFile", {text(from), text(elsewhere->path())}), kTrueValue);
    EXPECT_FALSE(fs::exists(from));
    EXPECT_EQ(fs::file_size(*elsewhere / "x.txt"), 6U);
    EXPECT_EQ(fs::last_write_time(*elsewhere / "x.txt"), modified);
}

TEST_F(FileOperations, CopyReplacesTheTargetAndLeavesTheArgument) {
    const std::string from = scratch.file("x.txt", 4);
    scratch.file("to/x.txt", 9);
    std::vector<Value> args{text(from), text(scratch / "to")};
    EXPECT_EQ(callMethod(control, "CopyMyFile", args).result, kTrueValue);
    EXPECT_EQ(args[1], text(scratch / "to"));
    EXPECT_EQ(fs::file_size(scratch / "to/x.txt"), 4U);
    EXPECT_EQ(fs::last_write_time(scratch / "to/x.txt"), fs::last_write_time(from));
}

// Every operation that did not happen answers False and changes nothing.
TEST_F(FileOperations, FailuresAnswerFalseAndChangeNothing) {
    const std::string file = scratch.file("x.txt", 4);
    const std::string other = scratch.file("b/x.txt", 9);
    const std::string readOnly = scratch.file("ro/x.txt", 2);
    ::chmod(readOnly.c_str(), 0444);
    scratch.folder("folder.txt");
    const struct {
        const char* method;
        std::string path;
        std::string folder;
    } cases[] = {
        {"CopyMyFile", file, scratch / "nowhere"},
        {"CopyMyFile", file, scratch / "ro"},  // onto a read-only file
        {"CopyMyFile", file, scratch.path()},  // onto itself
        {"CopyMyFile", scratch / "missing.txt", scratch / "b"},
        {"CopyMyFile", scratch / "folder.txt", scratch / "b"},
        {"MoveMyFile", file, scratch / "b"},  // onto an existing file
        {"MoveMyFile", scratch / "missing.txt", scratch / "b"},
        {"MoveMyFile", file, scratch / "nowhere"},
        {"MoveMyFileReplaceExisting", scratch / "missing.txt", scratch / "b"},
        {"MoveMyFileReplaceExisting", file, scratch / "nowhere"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(call(control, c.method, {text(c.path), text(c.folder)}), kFalseValue) << c.method << " " << c.path
                                                                                          << " " << c.folder;
    }
    EXPECT_EQ(fs::file_size(file), 4U);
    EXPECT_EQ(fs::file_size(other), 9U);
    EXPECT_EQ(fs::file_size(readOnly), 2U);
    EXPECT_FALSE(fs::exists(scratch / "nowhere"));
    EXPECT_FALSE(fs::exists(scratch / "b/missing.txt"));
    EXPECT_EQ(std::distance(fs::directory_iterator(scratch / "ro"), {}), 1) << "no temporary file left";

    const fs::path before = fs::current_path();
    for (const std::string& place : {scratch / "missing", file}) {
        EXPECT_EQ(call(control, "SetMyCurrentDirectory", {text(place)}), kFalseValue) << place;
        EXPECT_EQ(fs::current_path(), before);
    }

    // One file that cannot be destroyed: the others still are, and the answer says so.
    const std::string folder = scratch.folder("victims");
    const std::string kept = scratch.file("victims/kept.txt", 1);
    ::chmod(kept.c_str(), 0444);
    scratch.file("victims/gone.txt", 1);
    host.answers = {control::box::kYes};
    EXPECT_EQ(call(control, "DestroyAllFilesInFolder", {text(folder)}), kFalseValue);
    fs::current_path(before);
    EXPECT_TRUE(fs::exists(kept));
    EXPECT_FALSE(fs::exists(scratch / "victims/gone.txt"));
}

// An empty folder names no folder: never the root folder that a separator
// added to it would name.
TEST_F(FileOperations, AnEmptyTargetFolderNamesNothing) {
    const std::string name = "korbit-empty-target-" + std::to_string(::getpid()) + ".txt";
    const std::string file = scratch.file(name, 4);
    for (const char* method : {"MoveMyFile", "MoveMyFileReplaceExisting", "CopyMyFile"}) {
        for (const Text& folder : {Text(), Text(1, u'\0')}) {
            std::vector<Value> args{text(file), Value(folder)};
            EXPECT_EQ(callMethod(control, method, args).result, kFalseValue) << method;
            const bool leaked = fs::exists("/" + name);
            fs::remove("/" + name);
            EXPECT_FALSE(leaked) << method << " put the file in the root folder";
            EXPECT_EQ(fs::file_size(file), 4U) << method;
        }
    }
}

// A copy is a new file of whoever makes it: it never runs with the rights of
// the one who made the original, nor keeps the sticky bit.
TEST_F(FileOperations, CopiesNeverCarrySetIdOrStickyBits) {
    const std::string program = scratch.file("program", 100);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(program.c_str(), 65534, 65534), 0);  // another user's program
    }
    ASSERT_EQ(::chmod(program.c_str(), 07755), 0);
    ASSERT_EQ(fs::status(program).permissions() & fs::perms::set_uid, fs::perms::set_uid);
    const std::string ini = scratch.file("settings.ini", 0);
    ASSERT_EQ(::chmod(ini.c_str(), 06644), 0);
    struct stat here {};
    struct stat shm {};
    const bool otherFileSystem = ::stat(scratch.path().c_str(), &here) == 0 && ::stat("/dev/shm", &shm) == 0 &&
                                 here.st_dev != shm.st_dev && ::access("/dev/shm", W_OK) == 0;
    std::optional<ScratchFolder> elsewhere;
    if (otherFileSystem) {
        const ScopedVariable inShm{"TMPDIR", std::string("/dev/shm")};
        elsewhere.emplace();
    }
    scratch.file("over/program", 3);
    const struct {
        const char* what;
        std::function<bool()> make;
        std::string made;
        unsigned mode;
    } cases[] = {
        {"CopyMyFile to a new file",
         [&] { return call(control, "CopyMyFile", {text(program), text(scratch / "new")}) == kTrueValue; },
         scratch / "new/program", 0755},
        {"CopyMyFile over a file",
         [&] { return call(control, "CopyMyFile", {text(program), text(scratch / "over")}) == kTrueValue; },
         scratch / "over/program", 0755},
        {"ProfileSaveItem",
         [&] {
             call(control, "ProfileSaveItem", {text("s"), text("k"), text("v"), text(ini)});
             return contentOf(ini).find("k=v") != std::string::npos;
         },
         ini, 0644},
        {"MoveMyFile to another file system",
         [&] {
             const std::string moved = scratch.file("moved", 5);
             ::chmod(moved.c_str(), 07755);
             return elsewhere && call(control, "MoveMyFile", {text(moved), text(elsewhere->path())}) == kTrueValue;
         },
         elsewhere ? *elsewhere / "moved" : std::string(), 0755},
    };
    fs::create_directory(scratch / "new");
    for (const auto& c : cases) {
        if (c.made.empty()) {
            std::printf("skipped: %s (no /dev/shm on a file system of its own)\n", c.what);
            continue;
        }
        ASSERT_TRUE(c.make()) << c.what;
        struct stat st {};
        ASSERT_EQ(::stat(c.made.c_str(), &st), 0) << c.what;
        EXPECT_EQ(st.st_mode & 07777U, c.mode) << c.what;
    }
}

TEST_F(FileOperations, DestroyFileRefusesWhatItMustNotTouch) {
    const std::string readOnly = scratch.file("ro.txt", 4);
    ::chmod(readOnly.c_str(), 0444);
    const std::string locked = scratch.file("locked.txt", 4);
    const std::string outside = scratch.file("outside/target.txt", 4);
    fs::create_symlink(outside, scratch / "link");
    const std::string plain = scratch.file("plain.txt", 4);
    HeldLock lock(locked);

    EXPECT_EQ(call(control, "DestroyFileQ", {text(readOnly)}), kFalseValue);
    EXPECT_EQ(call(control, "DestroyFileQ", {text(locked)}), kFalseValue);
    EXPECT_EQ(call(control, "DestroyFileQ", {text(scratch / "missing")}), kFalseValue);
    EXPECT_EQ(call(control, "DestroyFileQ", {text(scratch / "outside")}), kFalseValue);
    EXPECT_EQ(call(control, "DestroyFileQ", {text(scratch / "link")}), kTrueValue);
    EXPECT_EQ(call(control, "DestroyFileQ", {text(plain)}), kTrueValue);
    EXPECT_EQ(fs::file_size(readOnly), 4U);
    EXPECT_EQ(fs::file_size(locked), 4U);
    EXPECT_EQ(fs::file_size(outside), 4U);
    EXPECT_FALSE(fs::exists(fs::symlink_status(scratch / "link")));
    EXPECT_FALSE(fs::exists(plain));
}

TEST_F(FileOperations, DestroyAllFilesAsksAndSparesFoldersAndLinkTargets) {
    const fs::path before = fs::current_path();
    const std::string folder = scratch.folder("victims");
    scratch.file("victims/a.txt", 1);
    scratch.file("victims/b.bin", 1);
    scratch.file("victims/sub/deep.txt", 1);
    const std::string outside = scratch.file("outside.txt", 3);
    fs::create_symlink(outside, scratch / "victims/link");

    host.answers = {control::box::kNo};
    EXPECT_EQ(call(control, "DestroyAllFilesInFolder", {text(folder)}), kFalseValue);
    EXPECT_TRUE(fs::exists(scratch / "victims/a.txt"));
    ASSERT_EQ(host.boxes.size(), 1U);
    EXPECT_EQ(host.boxes[0], (ShownBox{u"Select Yes to Permanently delete all files in: " + text(folder).get<Text>(),
                                       control::box::kYesNoCancel, u"Delete ALL Files?"}));

    // A relative name, taken from the folder above.
    fs::current_path(scratch.path());
    host.answers = {control::box::kYes};
    EXPECT_EQ(call(control, "DestroyAllFilesInFolder", {text("victims")}), kTrueValue);
    EXPECT_EQ(fs::current_path(), fs::path(folder));
    fs::current_path(before);
    EXPECT_FALSE(fs::exists(scratch / "victims/a.txt"));
    EXPECT_FALSE(fs::exists(scratch / "victims/b.bin"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(scratch / "victims/link")));
    EXPECT_TRUE(fs::exists(scratch / "victims/sub/deep.txt"));
    EXPECT_EQ(fs::file_size(outside), 3U);
    EXPECT_GE(host.pumps, 3);

    host.boxes.clear();
    EXPECT_EQ(call(control, "DestroyAllFilesInFolder", {text(scratch / "missing")}), kFalseValue);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(FileOperations, InUseTestsSeeLocks) {
    const std::string free = scratch.file("free.txt", 1);
    const std::string locked = scratch.file("locked.txt", 1);
    HeldLock lock(locked);
    const std::string missing = scratch / "missing.txt";

    EXPECT_EQ(call(control, "IsFileInUseQ", {text(missing)}), Value(std::int32_t{control::FILE_DOESNT_EXIST}));
    EXPECT_FALSE(fs::exists(missing));
    EXPECT_EQ(call(control, "IsFileInUseQ", {text(free)}), Value(std::int32_t{control::FILE_FREE}));
    EXPECT_EQ(call(control, "IsFileInUseQ", {text(locked)}), Value(std::int32_t{control::FILE_IN_USE}));
    EXPECT_EQ(call(control, "IsFileInUseQ", {text(scratch.path())}), Value(std::int32_t{control::FILE_IN_USE}));

    EXPECT_EQ(call(control, "IsFileOpen", {text(free)}), kFalseValue);
    EXPECT_EQ(call(control, "IsFileOpen", {text(locked)}), kTrueValue);
    EXPECT_EQ(call(control, "IsFileOpen", {text(scratch.path())}), kTrueValue);
    EXPECT_EQ(call(control, "IsFileOpen", {text(missing)}), kFalseValue);
    EXPECT_TRUE(fs::exists(missing));  // created, as it always was
    EXPECT_EQ(fs::file_size(missing), 0U);
}

TEST_F(FileOperations, File2StringReadsTextFilesOnly) {
    std::ofstream(scratch / "readme.TXT") << "h\xC3\xA9llo\nworld";
    std::ofstream(scratch / "readme.log") << "log";
    scratch.folder("dir.txt");
    EXPECT_EQ(call(control, "File2String", {text(scratch / "readme.TXT")}), Value(Text(u"h\u00e9llo\nworld")));
    EXPECT_EQ(call(control, "File2String", {text(scratch / "readme.log")}), text(""));
    EXPECT_EQ(call(control, "File2String", {text(scratch / "dir.txt")}), text(""));
    EXPECT_EQ(call(control, "File2String", {text(scratch / "missing.txt")}), text(""));
}

TEST_F(FileOperations, CurrentFolderIsPaddedAndLongOnesKeptWhole) {
    const fs::path before = fs::current_path();
    EXPECT_EQ(call(control, "SetMyCurrentDirectory", {text(scratch.path())}), kTrueValue);
    Text shown = call(control, "GetMyCurrentDirectory").get<Text>();
    EXPECT_EQ(shown.size(), 255U);
    EXPECT_EQ(shown.substr(0, shown.find(u'\0')), text(scratch.path()).get<Text>());

    const std::string deep = scratch.folder(std::string(100, 'a') + "/" + std::string(100, 'b') + "/" +
                                            std::string(100, 'c'));
    call(control, "SetMyCurrentDirectory", {text(deep)});
    EXPECT_EQ(call(control, "GetMyCurrentDirectory"), text(deep));
    EXPECT_EQ(call(control, "SetMyCurrentDirectory", {text(scratch / "missing")}), kFalseValue);
    EXPECT_EQ(call(control, "GetMyCurrentDirectory"), text(deep));
    fs::current_path(before);
}

TEST_F(FileOperations, SystemQuestions) {
    EXPECT_FALSE(call(control, "GetThreadUserName").get<Text>().empty());
    EXPECT_FALSE(call(control, "GetLocalComputerName").get<Text>().empty());
    EXPECT_EQ(call(control, "IsProcedureAvailable", {text("printf"), text("libc.so.6")}), kTrueValue);
    EXPECT_EQ(call(control, "IsProcedureAvailable", {text("no_such_function_here"), text("libc.so.6")}), kFalseValue);
    EXPECT_EQ(call(control, "IsProcedureAvailable", {text("printf"), text("libnothing.so")}), kFalseValue);
    EXPECT_EQ(call(control, "IsProcedureAvailable", {text("printf"), text("")}), kFalseValue);

    const double total = call(control, "GetDiskTotalSpace", {text(scratch.path())}).get<double>();
    const double free = call(control, "GetDiskFreeSpace", {text(scratch.path() + "/")}).get<double>();
    const double avail = call(control, "GetDiskAvailSpace", {text(scratch.path())}).get<double>();
    EXPECT_GT(total, 0.0);
    EXPECT_GE(total, free);
    EXPECT_GE(free, avail);
    EXPECT_EQ(call(control, "GetDiskTotalSpace", {text(scratch / "missing")}), Value(0.0));
    EXPECT_EQ(call(control, "GetDiskTotalSpace", {text("C:")}), Value(0.0));
}

TEST_F(FileOperations, WindowWorkGoesToTheHost) {
    EXPECT_EQ(call(control, "FreezeControl", {Value(std::int32_t{42}), kTrueValue}), Value());
    call(control, "FreezeControl", {Value(std::int32_t{42}), kFalseValue});
    EXPECT_EQ(host.frozen, (std::vector<std::pair<std::int32_t, bool>>{{42, true}, {42, false}}));
    EXPECT_EQ(call(control, "DisplayFileIcon", {text("/etc/hosts"), Value(std::int32_t{7})}), Value());
    EXPECT_EQ(host.drawnIcons, std::vector<Text>{u"/etc/hosts"});
    host.nextFolder = Text(u"/home/user\0junk", 15);
    EXPECT_EQ(call(control, "BrowseForFolderQ", {Value(std::int32_t{1}), text("Pick")}), text("/home/user"));
    EXPECT_TRUE(host.boxes.empty());
}

}  // namespace
}  // namespace korbit::testing
