// Special folders by their mceIDLPaths ids.
#include <gtest/gtest.h>

#include <filesystem>

#include "korbit/platform/text_encoding.h"
#include "korbit/services/path_helpers.h"
#include "platform/scratch_folder.h"

namespace korbit::services {
namespace {

class SpecialFolders : public ::testing::Test {
protected:
    std::string lookUp(std::int32_t id) {
        boxDue = true;
        return platform::toUtf8(GetSpecialFolderA(id, boxDue));
    }

    testing::ScratchFolder scratch;
    testing::ScopedVariable home{"HOME", scratch / "home"};
    testing::ScopedVariable config{"XDG_CONFIG_HOME", scratch / "home/config//"};
    testing::ScopedVariable data{"XDG_DATA_HOME", scratch / "home/data"};
    bool boxDue = false;
};

TEST_F(SpecialFolders, FindsFoldersWithOneSeparatorAndCreatesNothing) {
    scratch.folder("home/data/applications");
    const struct {
        std::int32_t id;
        std::string folder;  // empty: nothing is given
    } cases[] = {
        {28, "home/data/"}, {8, "home/data/"}, {2, "home/data/applications/"}, {23, "home/data/applications/"},
        {16, ""}, {25, ""}, {5, ""}, {7, ""}, {26, ""},  // missing folders stay missing
        {10, ""}, {36, ""}, {9999, ""}, {-1, ""},       // no counterpart here
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lookUp(c.id), c.folder.empty() ? "" : scratch / c.folder) << c.id;
        EXPECT_FALSE(boxDue) << c.id;
    }
    EXPECT_FALSE(std::filesystem::exists(scratch / "home/Desktop"));
    EXPECT_FALSE(std::filesystem::exists(scratch / "home/config"));

    scratch.folder("home/config");
    EXPECT_EQ(lookUp(26), scratch / "home/config/");
    const testing::ScopedVariable rootDirs{"XDG_CONFIG_DIRS", "/"};
    EXPECT_EQ(lookUp(35), "/");
}

TEST_F(SpecialFolders, TheApplicationDataFolderIsMadeOnlyOnRequest) {
    EXPECT_EQ(platform::toUtf8(ApplicationDataFolderMade()), scratch / "home/config/");
    EXPECT_EQ(lookUp(26), scratch / "home/config/");

    scratch.file("blocker");
    const testing::ScopedVariable blocked{"XDG_CONFIG_HOME", scratch / "blocker/config"};
    EXPECT_EQ(ApplicationDataFolderMade(), u"");
    EXPECT_EQ(lookUp(26), "");
    EXPECT_FALSE(boxDue);  // the folder's place is known, it is just not there
}

}  // namespace
}  // namespace korbit::services
