#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "korbit/platform/file_copy.h"
#include "korbit/platform/folder_walk.h"
#include "platform/scratch_folder.h"

namespace korbit::platform {
namespace {

namespace fs = std::filesystem;
using korbit::testing::ScratchFolder;

std::string content(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(FolderListing, DotsFirstThenNamesWithoutRegardToCase) {
    const ScratchFolder s;
    for (const char* name : {"b", "A", "a", "C", "_x", "B2"}) {
        s.file(name);
    }
    s.folder("Sub");
    const auto entries = listFolder(s.path());
    ASSERT_TRUE(entries);
    std::vector<std::string> names;
    for (const FolderEntry& e : *entries) {
        names.push_back(e.name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{".", "..", "_x", "A", "a", "b", "B2", "C", "Sub"}));
    EXPECT_TRUE(entries->at(8).isFolder);
    EXPECT_FALSE(entries->at(3).isFolder);
    EXPECT_FALSE(listFolder(s / "missing"));
    EXPECT_FALSE(listFolder(s / "A"));
}

TEST(FolderListing, MarksLinksToFoldersAsFoldersAndLinks) {
    const ScratchFolder s;
    s.folder("real");
    s.file("file");
    fs::create_directory_symlink(s / "real", s / "toFolder");
    fs::create_symlink(s / "file", s / "toFile");
    fs::create_symlink(s / "nowhere", s / "dangling");
    const auto entries = listFolder(s.path());
    ASSERT_TRUE(entries);
    for (const FolderEntry& e : *entries) {
        if (e.name == "toFolder") {
            EXPECT_TRUE(e.isFolder && e.isLink);
        } else if (e.name == "toFile" || e.name == "dangling") {
            EXPECT_TRUE(!e.isFolder && e.isLink) << e.name;
        }
    }
}

TEST(FolderListing, StaysInsideRefusesAPathThroughALink) {
    const ScratchFolder s;
    s.folder("root/a/b");
    const ScratchFolder outside;
    fs::create_directory_symlink(outside.path(), s / "root/out");
    EXPECT_TRUE(staysInside(s / "root/", s / "root/a/b"));
    EXPECT_TRUE(staysInside(s / "root/", s / "root/a/b/"));
    EXPECT_TRUE(staysInside(s / "root/", s / "root/"));
    EXPECT_FALSE(staysInside(s / "root/", s / "root/out"));
    EXPECT_FALSE(staysInside(s / "root/", s / "root/out/x"));
    EXPECT_FALSE(staysInside(s / "root/", s / "other/a"));
}

TEST(NoFollowCopy, CopiesContentModeAndTime) {
    const ScratchFolder s;
    const std::string from = s.file("from", 100000);
    ::chmod(from.c_str(), 0640);
    fs::last_write_time(from, fs::file_time_type::clock::now() - std::chrono::hours(5));
    ASSERT_EQ(copyRegularFile(from, s / "to", ExistingTarget::kReplace), 0);
    EXPECT_EQ(content(s / "to"), content(from));
    EXPECT_EQ(fs::last_write_time(s / "to"), fs::last_write_time(from));
    EXPECT_EQ(fs::status(s / "to").permissions(), fs::status(from).permissions());
}

TEST(NoFollowCopy, ReplacesALinkInsteadOfWritingThroughIt) {
    const ScratchFolder s;
    const std::string from = s.file("from", 10);
    const std::string victim = s.file("victim", 3);
    fs::create_symlink(victim, s / "to");
    ASSERT_EQ(copyRegularFile(from, s / "to", ExistingTarget::kReplace), 0);
    EXPECT_FALSE(fs::is_symlink(s / "to"));
    EXPECT_EQ(content(victim), "xxx");
    EXPECT_EQ(content(s / "to"), std::string(10, 'x'));
}

TEST(NoFollowCopy, RefusesWhatIsNoRegularFileAndLeavesNothing) {
    const ScratchFolder s;
    ASSERT_EQ(::mkfifo((s / "pipe").c_str(), 0600), 0);
    EXPECT_EQ(copyRegularFile(s / "pipe", s / "to", ExistingTarget::kReplace), EINVAL);
    EXPECT_EQ(copyRegularFile(s / "missing", s / "to", ExistingTarget::kReplace), ENOENT);
    EXPECT_NE(copyRegularFile(s.file("f", 1), s / "no/such/folder/to", ExistingTarget::kReplace), 0);
    EXPECT_FALSE(fs::exists(s / "to"));
}

}  // namespace
}  // namespace korbit::platform
