// Deleting to the trash and for good, and starting files with the desktop's
// applications (through a recording launcher: nothing is ever started).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "korbit/control/korbit_control.h"
#include "korbit/platform/launcher.h"
#include "platform/scratch_folder.h"
#include "support/control_client.h"
#include "support/scripted_host.h"

namespace korbit::testing {
namespace {

namespace fs = std::filesystem;
using control::Text;

class RecordingLauncher final : public platform::Launcher {
public:
    platform::LaunchResult open(const std::string& target, const std::string& verb,
                                const std::string& workingFolder) override {
        launches.push_back({target, verb, workingFolder});
        return answer;
    }
    struct Launch {
        std::string target, verb, folder;
    };
    std::vector<Launch> launches;
    platform::LaunchResult answer = platform::LaunchResult::kStarted;
};

class TrashAndLaunch : public ::testing::Test {
protected:
    void SetUp() override { platform::setLauncher(&launcher); }
    void TearDown() override { platform::setLauncher(nullptr); }

    ScriptedHost host;
    control::KorbitControl control{&host};
    ScratchFolder scratch;
    ScopedVariable dataHome{"XDG_DATA_HOME", scratch / "data"};
    RecordingLauncher launcher;
    ControlCaller caller{control};
    hosting::KorbitClient client{caller};
};

TEST_F(TrashAndLaunch, SilentTrashKeepsARecordOfTheOrigin) {
    const std::string file = scratch.file("doc.txt", 2);
    const std::string folder = scratch.folder("tree");
    scratch.file("tree/inner.txt", 1);
    EXPECT_TRUE(client.DeleteFileOrFolderSilentToBin(text(file)));
    EXPECT_TRUE(client.DeleteFileOrFolderSilentToBin(text(folder)));
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(fs::file_size(scratch / "data/Trash/files/doc.txt"), 2U);
    EXPECT_TRUE(fs::exists(scratch / "data/Trash/files/tree/inner.txt"));
    std::ifstream info(scratch / "data/Trash/info/doc.txt.trashinfo");
    std::string first, path;
    std::getline(info, first);
    std::getline(info, path);
    EXPECT_EQ(first, "[Trash Info]");
    EXPECT_EQ(path, "Path=" + file);
    EXPECT_TRUE(fs::exists(scratch / "data/Trash/info/tree.trashinfo"));
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(TrashAndLaunch, TrashWithConfirmationAsksFirst) {
    const std::string file = scratch.file("doc.txt", 2);
    host.answers = {control::box::kNo, control::box::kYes};
    EXPECT_FALSE(client.DeleteFileOrFolderToBin(text(file)));  // declined: still there
    EXPECT_TRUE(fs::exists(file));
    EXPECT_TRUE(client.DeleteFileOrFolderToBin(text(file)));
    EXPECT_FALSE(fs::exists(file));
    EXPECT_TRUE(fs::exists(scratch / "data/Trash/files/doc.txt"));
    ASSERT_EQ(host.boxes.size(), 2U);
    EXPECT_EQ(host.boxes[0].style, control::box::kYesNo | control::box::kQuestion);
    EXPECT_EQ(host.boxes[0].title, u"Delete File");
    EXPECT_NE(host.boxes[0].text.find(text(file)), Text::npos);
}

TEST_F(TrashAndLaunch, FailedDeletesShowTheSystemsErrorAndAnswerFalse) {
    using Delete = bool (hosting::KorbitClient::*)(const Text&);
    const std::pair<const char*, Delete> deletes[] = {
        {"to the trash, asking", &hosting::KorbitClient::DeleteFileOrFolderToBin},
        {"to the trash", &hosting::KorbitClient::DeleteFileOrFolderSilentToBin},
        {"for good", &hosting::KorbitClient::DeleteFileOrFolderSilent},
    };
    for (const auto& [how, removal] : deletes) {
        host.boxes.clear();
        EXPECT_FALSE((client.*removal)(text(scratch / "missing"))) << how;
        ASSERT_EQ(host.boxes.size(), 1U) << how;
        EXPECT_EQ(host.boxes[0].style, control::box::kCritical);
        EXPECT_EQ(host.boxes[0].title, u"Error Deleting File or Folder");
        EXPECT_NE(host.boxes[0].text.find(u"No such file or directory"), Text::npos) << how;
    }

    // No trash can be made below a file: the entry stays where it is.
    const std::string file = scratch.file("doc.txt", 2);
    scratch.file("blocker");
    const ScopedVariable noTrash{"XDG_DATA_HOME", scratch / "blocker/data"};
    host.boxes.clear();
    EXPECT_FALSE(client.DeleteFileOrFolderSilentToBin(text(file)));
    EXPECT_TRUE(fs::exists(file));
    EXPECT_EQ(host.boxes.size(), 1U);
}

TEST_F(TrashAndLaunch, PermanentDeleteRemovesTheTreeButNothingALinkNames) {
    const std::string outside = scratch.file("keep/precious.txt", 3);
    scratch.file("tree/a/b/c.txt", 1);
    scratch.file("tree/top.txt", 1);
    fs::create_directory_symlink(scratch / "keep", scratch / "tree/a/link-to-keep");
    fs::create_symlink(outside, scratch / "tree/file-link");
    EXPECT_TRUE(client.DeleteFileOrFolderSilent(text(scratch / "tree")));
    EXPECT_FALSE(fs::exists(scratch / "tree"));
    EXPECT_EQ(fs::file_size(outside), 3U);

    fs::create_symlink(scratch / "keep", scratch / "lone-link");
    EXPECT_TRUE(client.DeleteFileOrFolderSilent(text(scratch / "lone-link")));
    EXPECT_FALSE(fs::exists(fs::symlink_status(scratch / "lone-link")));
    EXPECT_TRUE(fs::exists(outside));
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_FALSE(fs::exists(scratch / "data/Trash"));
}

TEST_F(TrashAndLaunch, StartRunOpenFilePicksTheVerbAndStartsOnlyExistingFiles) {
    const std::string song = scratch.file("song.Mp3", 1);
    const std::string notes = scratch.file("notes.txt", 1);
    client.StartRunOpenFile(text(song), 0);
    client.StartRunOpenFile(text(notes), 0);
    client.StartRunOpenFile(text(scratch / "missing.mp3"), 0);
    client.StartRunOpenFile(u"", 0);
    ASSERT_EQ(launcher.launches.size(), 2U);
    EXPECT_EQ(launcher.launches[0].target, song);
    EXPECT_EQ(launcher.launches[0].verb, "play");
    EXPECT_EQ(launcher.launches[1].verb, "open");
    EXPECT_FALSE(launcher.launches[0].folder.empty());
    EXPECT_TRUE(host.boxes.empty());

    launcher.answer = platform::LaunchResult::kNoApplication;
    client.StartRunOpenFile(text(notes), 0);
    ASSERT_EQ(host.boxes.size(), 1U);
    EXPECT_EQ(host.boxes[0].text, u"Unknown Filetype.");
    EXPECT_EQ(host.boxes[0].style, control::box::kInformation);
}

TEST_F(TrashAndLaunch, BrowserLaunchHandsTheAddressOverAndTellsWhetherItStarted) {
    EXPECT_TRUE(client.BrowserLaunch(u"https://example.org/"));
    launcher.answer = platform::LaunchResult::kFailed;
    EXPECT_FALSE(client.BrowserLaunch(u"https://example.org/"));
    ASSERT_EQ(launcher.launches.size(), 2U);
    EXPECT_EQ(launcher.launches[0].target, "https://example.org/");
}

}  // namespace
}  // namespace korbit::testing
