// Replacing a file whole, against a platform whose calls fail one at a time
// (the shape of leveldb's ErrorEnv), and the encryption's rewrite where its
// temporary file cannot go beside the file.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "korbit/platform/atomic_file.h"
#include "korbit/platform/file_metadata.h"
#include "korbit/platform/file_rewrite.h"
#include "platform/scratch_folder.h"
#include "support/test_system.h"

namespace korbit::testing {
namespace {

using platform::FileCalls;

// The system's calls, but the one chosen fails with `error` (the folder's
// flush counts as a second fsync).
class FailingCalls final : public FileCalls {
public:
    enum class Call { kNone, kWrite, kFsync, kFchmod, kRename, kFolderFsync };

    FailingCalls(Call failing, int error) : failing_(failing), error_(error) {}

    ssize_t write(int fd, const void* data, std::size_t size) override {
        return failing_ == Call::kWrite ? fail() : FileCalls::write(fd, data, size);
    }
    int fsync(int fd) override {
        ++fsyncs_;
        const Call now = fsyncs_ == 1 ? Call::kFsync : Call::kFolderFsync;
        return failing_ == now ? fail() : FileCalls::fsync(fd);
    }
    int fchmod(int fd, mode_t mode) override {
        return failing_ == Call::kFchmod ? fail() : FileCalls::fchmod(fd, mode);
    }
    int renameAt(int fromFolder, const char* from, int toFolder, const char* to, unsigned flags) override {
        return failing_ == Call::kRename ? fail() : FileCalls::renameAt(fromFolder, from, toFolder, to, flags);
    }

private:
    int fail() {
        errno = error_;
        return -1;
    }

    Call failing_;
    int error_;
    int fsyncs_ = 0;
};

std::string contentOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeFile(const std::string& path, const std::string& content) { std::ofstream(path, std::ios::binary) << content; }

unsigned modeOf(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st.st_mode & 07777U;
}

std::set<std::string> namesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

TEST(AtomicReplacement, AStepThatFailsLeavesTheTargetWholeAndNoTemporaryFile) {
    using Call = FailingCalls::Call;
    const struct Case {
        const char* what;
        Call failing;
        int error;
    } cases[] = {
        {"write", Call::kWrite, EIO},
        {"disk full", Call::kWrite, ENOSPC},
        {"fsync", Call::kFsync, EIO},
        {"chmod", Call::kFchmod, EPERM},
        {"rename", Call::kRename, EXDEV},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder;
        const std::string target = folder / "settings.ini";
        writeFile(target, "old content\n");
        ::chmod(target.c_str(), 0640);
        FailingCalls calls(c.failing, c.error);

        const engine::Status s = platform::replaceFile(target, "new content\n", {}, calls);
        EXPECT_FALSE(s);
        EXPECT_EQ(s.systemError(), c.error) << s.message();
        EXPECT_EQ(contentOf(target), "old content\n");
        EXPECT_EQ(modeOf(target), 0640U);
        EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"settings.ini"});
    }

    // After the rename the new content is in place; a folder that cannot be
    // flushed is still a failure, and says so.
    ScratchFolder folder;
    const std::string target = folder / "settings.ini";
    writeFile(target, "old content\n");
    FailingCalls calls(Call::kFolderFsync, EIO);
    const engine::Status s = platform::replaceFile(target, "new content\n", {}, calls);
    EXPECT_FALSE(s);
    EXPECT_NE(s.message().find("is in place"), std::string::npos) << s.message();
    EXPECT_EQ(contentOf(target), "new content\n");
    EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"settings.ini"});
}

TEST(AtomicReplacement, FollowsALinkKeepsAFilesModeAndRefusesWhatItMustNotWrite) {
    ScratchFolder folder;
    const std::string target = folder / "data.txt";
    writeFile(target, "old");
    ::chmod(target.c_str(), 0604);
    ASSERT_EQ(::symlink("data.txt", (folder / "link").c_str()), 0);

    ASSERT_TRUE(platform::replaceFile(folder / "link", "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link"));
    EXPECT_EQ(contentOf(target), "new");
    EXPECT_EQ(modeOf(target), 0604U);

    ASSERT_TRUE(platform::replaceFile(folder / "fresh.txt", "made"));
    EXPECT_EQ(modeOf(folder / "fresh.txt"), 0666U & ~platform::fileCreationMask());

    ::chmod(target.c_str(), 0444);  // marked read-only: refused even for the superuser
    EXPECT_EQ(platform::replaceFile(target, "x").code(), engine::ErrorCode::AccessDenied);
    EXPECT_EQ(platform::replaceFile(folder.folder("sub"), "x").code(), engine::ErrorCode::NotAFile);
    ASSERT_EQ(::symlink("nowhere", (folder / "dangling").c_str()), 0);
    EXPECT_EQ(platform::replaceFile(folder / "dangling", "x").code(), engine::ErrorCode::NotFound);
    EXPECT_EQ(contentOf(target), "new");
    EXPECT_EQ(namesIn(folder.path()), (std::set<std::string>{"data.txt", "link", "fresh.txt", "sub", "dangling"}));
}

// A file in a folder its user cannot write: the rewrite's temporary file goes
// to the fallback folder, is marked complete and kept there until its
// content is in the file, then removed.
TEST(FileRewriteFallback, TheCompleteCopyWaitsInTheFallbackFolderUntilTheFileHoldsIt) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "needs an unprivileged user (root may write any folder); "
                        "replacement_tests_unprivileged runs it as one";
    }
    ScratchFolder scratch;
    const std::string fallback = scratch.folder("fallback");
    const std::string shut = scratch.folder("shut");
    const std::string path = shut + "/notes.txt";
    writeFile(path, "old content");
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    ASSERT_EQ(::chmod(shut.c_str(), 0555), 0);

    std::set<std::string> keptWhileUntouched;
    std::string fileWhenMarked;
    TestSystem system;
    system.onRewriteStep = [&](platform::RewriteStep at) {
        if (at == platform::RewriteStep::kMarkedComplete) {
            keptWhileUntouched = namesIn(fallback);
            fileWhenMarked = contentOf(path);
        }
        return 0;
    };
    {
        engine::Result<std::unique_ptr<platform::FileRewrite>> file =
            platform::FileRewrite::open(path, fallback, system);
        ASSERT_TRUE(file) << file.status().message();
        const std::string next = "new content, longer than the old";
        ASSERT_TRUE(file.value()->write(std::span(reinterpret_cast<const std::uint8_t*>(next.data()), next.size())));
        const engine::Status committed = file.value()->commit(0640);
        ASSERT_TRUE(committed) << committed.message();
    }
    ::chmod(shut.c_str(), 0755);

    ASSERT_EQ(keptWhileUntouched.size(), 1U);
    EXPECT_NE(keptWhileUntouched.begin()->find(".korbit-complete-"), std::string::npos);
    EXPECT_EQ(fileWhenMarked, "old content");
    EXPECT_EQ(contentOf(path), "new content, longer than the old");
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);  // rewritten in place, not replaced
    EXPECT_EQ(after.st_mode & 0777U, 0640U);
    EXPECT_TRUE(namesIn(fallback).empty());
    EXPECT_EQ(namesIn(shut), std::set<std::string>{"notes.txt"});
}

}  // namespace
}  // namespace korbit::testing
