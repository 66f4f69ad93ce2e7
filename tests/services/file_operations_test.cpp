// The file and folder operations through the control's typed client: what
// they change on disk, what they leave alone, and the boxes they show.
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

#include "korbit/control/korbit_control.h"
#include "korbit/control/values/type_library.h"
#include "platform/scratch_folder.h"
#include "support/control_client.h"
#include "support/scripted_host.h"
#include "support/test_system.h"

namespace korbit::testing {
namespace {

namespace fs = std::filesystem;
using control::ControlMethod;
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
    ControlCaller caller{control};
    hosting::KorbitClient client{caller};

    // A file put into a folder three ways (what a move gives back of the
    // folder is dropped).
    using PutInto = std::function<bool(const std::string& file, Text folder)>;
    PutInto copyInto = [this](const std::string& file, Text folder) { return client.CopyMyFile(text(file), folder); };
    PutInto moveInto = [this](const std::string& file, Text folder) { return client.MoveMyFile(text(file), folder); };
    PutInto moveOver = [this](const std::string& file, Text folder) {
        return client.MoveMyFileReplaceExisting(text(file), folder);
    };
};

TEST_F(FileOperations, CreateOnlyWhatIsMissing) {
    const std::string existing = scratch.file("keep.txt", 3);
    const std::string empty = scratch.file("empty.txt");
    fs::create_symlink(scratch / "elsewhere.txt", scratch / "dangling");
    const auto folder = [&](const std::string& path) { return client.CreateMyDIR(text(path)); };
    const auto file = [&](const std::string& path) { return client.CreateMyFile(text(path)); };
    const struct {
        const char* what;
        std::function<bool(const std::string&)> create;
        std::string path;
        bool result;
    } cases[] = {
        {"folder", folder, scratch / "new", true},
        {"folder", folder, scratch / "new", false},
        {"folder", folder, scratch / "missing/child", false},
        {"file", file, scratch / "new.txt", true},
        {"file", file, existing, false},
        {"file", file, empty, false},
        {"file", file, scratch / "dangling", false},
        {"file", file, scratch / "missing/x.txt", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.create(c.path), c.result) << c.what << " " << c.path;
    }
    EXPECT_TRUE(fs::is_directory(scratch / "new"));
    EXPECT_FALSE(fs::exists(scratch / "missing"));
    EXPECT_EQ(contentOf(existing), "xxx");
    EXPECT_FALSE(fs::exists(scratch / "elsewhere.txt"));
}

TEST_F(FileOperations, MoveRewritesTheTargetAndRespectsExistingFiles) {
    const std::string from = scratch.file("a/x.txt", 1);
    scratch.folder("b");
    Text to = text(scratch / "b");
    ASSERT_TRUE(client.MoveMyFile(text(from), to));
    EXPECT_EQ(to, text(scratch / "b/x.txt"));
    EXPECT_TRUE(fs::exists(scratch / "b/x.txt"));

    scratch.file("a/x.txt", 5);
    to = text(scratch / "b/");
    EXPECT_FALSE(client.MoveMyFile(text(from), to));  // refused: both stay
    EXPECT_EQ(to, text(scratch / "b/x.txt"));
    EXPECT_EQ(fs::file_size(from), 5U);
    EXPECT_EQ(fs::file_size(scratch / "b/x.txt"), 1U);

    to = text(scratch / "b");
    EXPECT_TRUE(client.MoveMyFileReplaceExisting(text(from), to));
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

    EXPECT_FALSE(moveInto(from, text(elsewhere->path() + "/taken")));
    EXPECT_FALSE(moveOver(from, text(elsewhere->path())));
    EXPECT_EQ(fs::file_size(from), 6U);
    EXPECT_EQ(fs::file_size(taken), 2U);
    EXPECT_FALSE(fs::exists(*elsewhere / "x.txt"));

    EXPECT_TRUE(moveInto(from, text(elsewhere->path())));
    EXPECT_FALSE(fs::exists(from));
    EXPECT_EQ(fs::file_size(*elsewhere / "x.txt"), 6U);
    EXPECT_EQ(fs::last_write_time(*elsewhere / "x.txt"), modified);
}

TEST_F(FileOperations, CopyReplacesTheTargetAndLeavesTheArgument) {
    const std::string from = scratch.file("x.txt", 4);
    scratch.file("to/x.txt", 9);
    // Late-bound, to see the folder argument as the call left it.
    std::vector<Value> args{text(from), text(scratch / "to")};
    const control::InvokeResult r = control::invoke(control, control::dispatchIdOf(ControlMethod::CopyMyFile), args);
    EXPECT_EQ(r.result, Value::boolean(true)) << r.description;
    EXPECT_EQ(args[1], Value(text(scratch / "to")));
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
        const char* what;
        const PutInto& put;
        std::string path;
        std::string folder;
    } cases[] = {
        {"copy", copyInto, file, scratch / "nowhere"},
        {"copy", copyInto, file, scratch / "ro"},  // onto a read-only file
        {"copy", copyInto, file, scratch.path()},  // onto itself
        {"copy", copyInto, scratch / "missing.txt", scratch / "b"},
        {"copy", copyInto, scratch / "folder.txt", scratch / "b"},
        {"move", moveInto, file, scratch / "b"},  // onto an existing file
        {"move", moveInto, scratch / "missing.txt", scratch / "b"},
        {"move", moveInto, file, scratch / "nowhere"},
        {"move over", moveOver, scratch / "missing.txt", scratch / "b"},
        {"move over", moveOver, file, scratch / "nowhere"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(c.put(c.path, text(c.folder))) << c.what << " " << c.path << " " << c.folder;
    }
    EXPECT_EQ(fs::file_size(file), 4U);
    EXPECT_EQ(fs::file_size(other), 9U);
    EXPECT_EQ(fs::file_size(readOnly), 2U);
    EXPECT_FALSE(fs::exists(scratch / "nowhere"));
    EXPECT_FALSE(fs::exists(scratch / "b/missing.txt"));
    EXPECT_EQ(std::distance(fs::directory_iterator(scratch / "ro"), {}), 1) << "no temporary file left";

    const fs::path before = fs::current_path();
    for (const std::string& place : {scratch / "missing", file}) {
        EXPECT_FALSE(client.SetMyCurrentDirectory(text(place))) << place;
        EXPECT_EQ(fs::current_path(), before);
    }

    // One file that cannot be destroyed: the others still are, and the answer says so.
    const std::string folder = scratch.folder("victims");
    const std::string kept = scratch.file("victims/kept.txt", 1);
    ::chmod(kept.c_str(), 0444);
    scratch.file("victims/gone.txt", 1);
    host.answers = {control::box::kYes};
    EXPECT_FALSE(client.DestroyAllFilesInFolder(text(folder)));
    fs::current_path(before);
    EXPECT_TRUE(fs::exists(kept));
    EXPECT_FALSE(fs::exists(scratch / "victims/gone.txt"));
}

// An empty folder names no folder: never the root folder that a separator
// added to it would name.
TEST_F(FileOperations, AnEmptyTargetFolderNamesNothing) {
    const std::string name = "korbit-empty-target-" + std::to_string(::getpid()) + ".txt";
    const std::string file = scratch.file(name, 4);
    const std::pair<const char*, const PutInto&> ways[] = {{"move", moveInto}, {"move over", moveOver},
                                                           {"copy", copyInto}};
    for (const auto& [what, put] : ways) {
        for (const Text& folder : {Text(), Text(1, u'\0')}) {
            EXPECT_FALSE(put(file, folder)) << what;
            const bool leaked = fs::exists("/" + name);
            fs::remove("/" + name);
            EXPECT_FALSE(leaked) << what << " put the file in the root folder";
            EXPECT_EQ(fs::file_size(file), 4U) << what;
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
        {"a copy to a new file", [&] { return copyInto(program, text(scratch / "new")); }, scratch / "new/program",
         0755},
        {"a copy over a file", [&] { return copyInto(program, text(scratch / "over")); }, scratch / "over/program",
         0755},
        {"a settings file written",
         [&] {
             client.ProfileSaveItem(u"s", u"k", u"v", text(ini));
             return contentOf(ini).find("k=v") != std::string::npos;
         },
         ini, 0644},
        {"a move to another file system",
         [&] {
             const std::string moved = scratch.file("moved", 5);
             ::chmod(moved.c_str(), 07755);
             return elsewhere && moveInto(moved, text(elsewhere->path()));
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

    EXPECT_FALSE(client.DestroyFileQ(text(readOnly)));
    EXPECT_FALSE(client.DestroyFileQ(text(locked)));
    EXPECT_FALSE(client.DestroyFileQ(text(scratch / "missing")));
    EXPECT_FALSE(client.DestroyFileQ(text(scratch / "outside")));
    EXPECT_TRUE(client.DestroyFileQ(text(scratch / "link")));
    EXPECT_TRUE(client.DestroyFileQ(text(plain)));
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
    EXPECT_FALSE(client.DestroyAllFilesInFolder(text(folder)));
    EXPECT_TRUE(fs::exists(scratch / "victims/a.txt"));
    ASSERT_EQ(host.boxes.size(), 1U);
    EXPECT_EQ(host.boxes[0], (ShownBox{u"Select Yes to Permanently delete all files in: " + text(folder),
                                       control::box::kYesNoCancel, u"Delete ALL Files?"}));

    // A relative name, taken from the folder above.
    fs::current_path(scratch.path());
    host.answers = {control::box::kYes};
    EXPECT_TRUE(client.DestroyAllFilesInFolder(u"victims"));
    EXPECT_EQ(fs::current_path(), fs::path(folder));
    fs::current_path(before);
    EXPECT_FALSE(fs::exists(scratch / "victims/a.txt"));
    EXPECT_FALSE(fs::exists(scratch / "victims/b.bin"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(scratch / "victims/link")));
    EXPECT_TRUE(fs::exists(scratch / "victims/sub/deep.txt"));
    EXPECT_EQ(fs::file_size(outside), 3U);
    EXPECT_GE(host.pumps, 3);

    host.boxes.clear();
    EXPECT_FALSE(client.DestroyAllFilesInFolder(text(scratch / "missing")));
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(FileOperations, InUseTestsSeeLocks) {
    const std::string free = scratch.file("free.txt", 1);
    const std::string locked = scratch.file("locked.txt", 1);
    HeldLock lock(locked);
    const std::string missing = scratch / "missing.txt";

    EXPECT_EQ(client.IsFileInUseQ(text(missing)), control::FILE_DOESNT_EXIST);
    EXPECT_FALSE(fs::exists(missing));
    EXPECT_EQ(client.IsFileInUseQ(text(free)), control::FILE_FREE);
    EXPECT_EQ(client.IsFileInUseQ(text(locked)), control::FILE_IN_USE);
    EXPECT_EQ(client.IsFileInUseQ(text(scratch.path())), control::FILE_IN_USE);

    EXPECT_FALSE(client.IsFileOpen(text(free)));
    EXPECT_TRUE(client.IsFileOpen(text(locked)));
    EXPECT_TRUE(client.IsFileOpen(text(scratch.path())));
    EXPECT_FALSE(client.IsFileOpen(text(missing)));
    EXPECT_TRUE(fs::exists(missing));  // created, as it always was
    EXPECT_EQ(fs::file_size(missing), 0U);
}

TEST_F(FileOperations, File2StringReadsTextFilesOnly) {
    std::ofstream(scratch / "readme.TXT") << "h\xC3\xA9llo\nworld";
    std::ofstream(scratch / "readme.log") << "log";
    scratch.folder("dir.txt");
    EXPECT_EQ(client.File2String(text(scratch / "readme.TXT")), u"h\u00e9llo\nworld");
    EXPECT_EQ(client.File2String(text(scratch / "readme.log")), u"");
    EXPECT_EQ(client.File2String(text(scratch / "dir.txt")), u"");
    EXPECT_EQ(client.File2String(text(scratch / "missing.txt")), u"");
}

TEST_F(FileOperations, CurrentFolderIsPaddedAndLongOnesKeptWhole) {
    const fs::path before = fs::current_path();
    EXPECT_TRUE(client.SetMyCurrentDirectory(text(scratch.path())));
    Text shown = client.GetMyCurrentDirectory();
    EXPECT_EQ(shown.size(), 255U);
    EXPECT_EQ(shown.substr(0, shown.find(u'\0')), text(scratch.path()));

    const std::string deep = scratch.folder(std::string(100, 'a') + "/" + std::string(100, 'b') + "/" +
                                            std::string(100, 'c'));
    client.SetMyCurrentDirectory(text(deep));
    EXPECT_EQ(client.GetMyCurrentDirectory(), text(deep));
    EXPECT_FALSE(client.SetMyCurrentDirectory(text(scratch / "missing")));
    EXPECT_EQ(client.GetMyCurrentDirectory(), text(deep));
    fs::current_path(before);
}

TEST_F(FileOperations, SystemQuestions) {
    EXPECT_FALSE(client.GetThreadUserName().empty());
    EXPECT_FALSE(client.GetLocalComputerName().empty());
    EXPECT_TRUE(client.IsProcedureAvailable(u"printf", u"libc.so.6"));
    EXPECT_FALSE(client.IsProcedureAvailable(u"no_such_function_here", u"libc.so.6"));
    EXPECT_FALSE(client.IsProcedureAvailable(u"printf", u"libnothing.so"));
    EXPECT_FALSE(client.IsProcedureAvailable(u"printf", u""));

    const double total = client.GetDiskTotalSpace(text(scratch.path()));
    const double free = client.GetDiskFreeSpace(text(scratch.path() + "/"));
    const double avail = client.GetDiskAvailSpace(text(scratch.path()));
    EXPECT_GT(total, 0.0);
    EXPECT_GE(total, free);
    EXPECT_GE(free, avail);
    EXPECT_EQ(client.GetDiskTotalSpace(text(scratch / "missing")), 0.0);
    EXPECT_EQ(client.GetDiskTotalSpace(u"C:"), 0.0);
}

TEST_F(FileOperations, WindowWorkGoesToTheHost) {
    EXPECT_EQ(client.FreezeControl(42, true), Value());
    client.FreezeControl(42, false);
    EXPECT_EQ(host.frozen, (std::vector<std::pair<std::int32_t, bool>>{{42, true}, {42, false}}));
    EXPECT_EQ(client.DisplayFileIcon(u"/etc/hosts", 7), Value());
    EXPECT_EQ(host.drawnIcons, std::vector<Text>{u"/etc/hosts"});
    host.nextFolder = Text(u"/home/user\0junk", 15);
    EXPECT_EQ(client.BrowseForFolderQ(1, u"Pick"), u"/home/user");
    EXPECT_TRUE(host.boxes.empty());
}

}  // namespace
}  // namespace korbit::testing
