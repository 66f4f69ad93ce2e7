// Finding the XDG folders.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>

#include "korbit/platform/known_folders.h"
#include "platform/scratch_folder.h"

namespace korbit::platform {
namespace {

TEST(UserDirsFile, TakesTheLastValidAssignmentOfTheKey) {
    const struct {
        std::string_view text;
        std::optional<std::string> desktop;
    } cases[] = {
        {"# comment\n  XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n", "/home/u/Desktop"},
        {"XDG_DESKTOP_DIR=\"$HOME\"", "/home/u"},
        {"XDG_DESKTOP_DIR=\"/srv/a \\\"b\\\"\"\n", "/srv/a \"b\""},
        {"XDG_DESKTOP_DIR=$HOME/Bare # note\n", "/home/u/Bare"},
        {"XDG_DESKTOP_DIR=\"/first\"\nXDG_DESKTOP_DIR=\"/second\"\n", "/second"},
        {"XDG_DESKTOP_DIR=\"/first\"\nXDG_DESKTOP_DIR=\"relative\"\n", "/first"},
        {"XDG_DESKTOP_DIR=\"$HOMEBOY/x\"\n", std::nullopt},
        {"XDG_DESKTOP_DIRS=\"/wrong\"\nXDG_DESKTOP_DIR", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(userDirFromConfig(c.text, "XDG_DESKTOP_DIR", "/home/u"), c.desktop) << c.text;
    }
}

class UserFolders : public ::testing::Test {
protected:
    testing::ScratchFolder scratch;
    testing::ScopedVariable home{"HOME", scratch / "home"};
    testing::ScopedVariable config{"XDG_CONFIG_HOME", scratch / "home/cfg/"};
};

TEST_F(UserFolders, CreatesOnlyWhenAskedWithPrivateFoldersAndReportsFailure) {
    EXPECT_EQ(locateUserFolder(UserFolder::Config, false).state, FolderState::Missing);
    const FolderLocation created = locateUserFolder(UserFolder::Config, true);
    EXPECT_EQ(created.state, FolderState::Present);
    EXPECT_EQ(created.path, scratch / "home/cfg");
    for (const std::string& folder : {scratch / "home", scratch / "home/cfg"}) {
        struct stat info {};
        ASSERT_EQ(::stat(folder.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777U, 0700U) << folder;
    }

    scratch.file("blocker");
    const testing::ScopedVariable blocked{"XDG_CONFIG_HOME", scratch / "blocker/cfg"};
    EXPECT_EQ(locateUserFolder(UserFolder::Config, true).state, FolderState::Unknown);
}

TEST_F(UserFolders, FollowsUserDirsAndIgnoresRelativeVariables) {
    const testing::ScopedVariable relative{"XDG_CACHE_HOME", "relative/cache"};
    const testing::ScopedVariable dirs{"XDG_CONFIG_DIRS", "relative:" + scratch.path() + ":/etc/xdg"};
    scratch.folder("home/Schreibtisch");
    std::ofstream(scratch.file("home/cfg/user-dirs.dirs")) << "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n";

    EXPECT_EQ(locateUserFolder(UserFolder::Desktop, false).path, scratch / "home/Schreibtisch");
    EXPECT_EQ(locateUserFolder(UserFolder::Documents, false).path, scratch / "home/Documents");
    EXPECT_EQ(locateUserFolder(UserFolder::Cache, false).path, scratch / "home/.cache");
    EXPECT_EQ(locateUserFolder(UserFolder::SystemConfig, false).path, scratch.path());
}

}  // namespace
}  // namespace korbit::platform
