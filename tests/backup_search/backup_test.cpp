#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <fstream>

#include "backup_search/backup_search_fixture.h"
#include "support/control_client.h"

namespace korbit::testing {
namespace {

namespace fs = std::filesystem;
using control::Array;
using control::Record;
using control::Value;
using control::kFalse;
using control::kTrue;

class Backup : public BackupSearch {
protected:
    // src: one.txt two.txt three.txt sub/four.txt sub/five.txt
    void SetUp() override {
        for (const char* name : {"one.txt", "two.txt", "three.txt", "sub/four.txt", "sub/five.txt"}) {
            age(scratch.file(std::string("src/") + name, 10), 10);
        }
        scratch.folder("dst");
    }
    static void age(const std::string& path, int hours) {
        fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::hours(hours));
    }
    void expectCounts(const Record& r, std::int32_t copied, std::int32_t updated) {
        EXPECT_EQ(count(r, "nCopied"), copied);
        EXPECT_EQ(count(r, "nUpdated"), updated);
        EXPECT_EQ(count(r, "nCount"), copied + updated);
    }
    void makeFiles(const std::string& folder, int n) {
        for (int i = 0; i < n; ++i) {
            scratch.file(folder + "/f" + std::to_string(i));
        }
    }
};

TEST_F(Backup, MirrorsOrFlattensTheTree) {
    for (const bool flat : {false, true}) {
        const std::string target = scratch / (flat ? "flat" : "mirror");
        fs::create_directory(target);
        Record r = backupParams(scratch / "src", target, true, flat);
        EXPECT_EQ(control.BackUpFiles(r), kTrue);
        expectCounts(r, 5, 0);
        EXPECT_EQ(r.field("SourceFolder"), Value(u16(scratch / "src/")));
        EXPECT_FALSE(r.field("StrArray").get<Array>().allocated());
        EXPECT_EQ(r.field("CurrentWork"), Value(u16("")));
        EXPECT_EQ(count(r, "nSearched"), 5);
        EXPECT_EQ(exists(target + "/sub/four.txt"), !flat);
        EXPECT_EQ(exists(target + "/four.txt"), flat);
        EXPECT_EQ(exists(target + "/sub"), !flat);
        EXPECT_TRUE(exists(target + "/one.txt"));
        EXPECT_EQ(fs::last_write_time(target + "/one.txt"), fs::last_write_time(scratch / "src/one.txt"));
        control.BackUpFilesCLEANUP();
    }
}

TEST_F(Backup, ReRunsCopyOnlyWhatTheSourceChangedLater) {
    Record first = backupParams(scratch / "src", scratch / "dst", true);
    ASSERT_EQ(control.BackUpFiles(first), kTrue);

    struct Step {
        const char* what;
        std::function<void()> change;
        std::int32_t updated;
    } steps[] = {
        {"nothing changed", [] {}, 0},
        {"source touched", [&] { std::ofstream(scratch / "src/sub/five.txt") << "new"; }, 1},
        {"target newer", [&] { std::ofstream(scratch / "dst/one.txt") << "mine"; }, 0},
    };
    for (const Step& step : steps) {
        control.BackUpFilesCLEANUP();
        step.change();
        Record r = backupParams(scratch / "src", scratch / "dst", true);
        EXPECT_EQ(control.BackUpFiles(r), kTrue) << step.what;
        expectCounts(r, 0, step.updated);
    }
    std::ifstream five(scratch / "dst/sub/five.txt");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(five), {}), "new");
    std::ifstream one(scratch / "dst/one.txt");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(one), {}), "mine");
}

TEST_F(Backup, MissingSourceOrTargetFolders) {
    struct Row {
        const char* what;
        std::string source, target;
        std::deque<std::int32_t> answers;
        control::VBool result;
        std::vector<ShownBox> boxes;
        bool created;
    } rows[] = {
        {"no source", scratch / "none", scratch / "new1", {}, kFalse, {}, false},
        {"declined", scratch / "src", scratch / "new2", {control::box::kNo}, kFalse,
         {{u16("Create Folder: " + scratch / "new2"), 68, u"Create Folder?"}}, false},
        {"created", scratch / "src", scratch / "new3", {control::box::kYes}, kTrue,
         {{u16("Create Folder: " + scratch / "new3"), 68, u"Create Folder?"}}, true},
        {"parent missing", scratch / "src", scratch / "no/new4", {control::box::kYes}, kFalse,
         {{u16("Create Folder: " + scratch / "no/new4"), 68, u"Create Folder?"},
          {u16("Cannot Create: " + scratch / "no/new4"), 16, u"Invalid Characters in Path Name!"}},
         false},
    };
    for (Row& row : rows) {
        host.boxes.clear();
        host.answers = row.answers;
        control.state().CancelRequested = kTrue;
        Record r = backupParams(row.source, row.target, false);
        EXPECT_EQ(control.BackUpFiles(r), row.result) << row.what;
        EXPECT_EQ(host.boxes, row.boxes) << row.what;
        EXPECT_EQ(exists(row.target), row.created) << row.what;
        EXPECT_EQ(control.backupState().BackUpBusy, kFalse);
        EXPECT_EQ(control.state().CancelRequested, row.result == kTrue || row.source == scratch / "none"
                                                       ? kFalse : kTrue) << row.what;
        control.state().CancelRequested = kFalse;
    }
}

// An empty folder names no folder: a backup, a mirror or a comparison never
// takes it for the root folder.
TEST_F(Backup, AnEmptyFolderNamesNothing) {
    // A folder of the source with a name of its own, so that a mirror into
    // the root folder shows (and is taken away again).
    const std::string mark = "korbit-empty-folder-" + std::to_string(::getpid());
    scratch.folder("src/" + mark);
    scratch.folder("dst/only-in-target");
    struct Row {
        const char* what;
        std::function<bool()> run;  // true when it answered as refused
        std::vector<ShownBox> boxes;
    } rows[] = {
        {"BackUpFiles into \"\"",
         [&] {
             host.answers = {control::box::kYes};
             Record r = backupParams(scratch / "src", "", true);
             return control.BackUpFiles(r) == kFalse;
         },
         {{u"Cannot Create: ", 16, u"Invalid Characters in Path Name!"}}},
        {"CreateEmptyFolderMirror into \"\"",
         [&] {
             Record r = backupParams(scratch / "src", "", true);
             control.CreateEmptyFolderMirror(r);
             return !r.field("StrArray").get<Array>().allocated();
         },
         {}},
        {"DeleteNoMatchDirectories of \"\"",
         [&] {
             Record r = backupParams(scratch / "src", "", true);
             Array found;
             control.DeleteNoMatchDirectories(r, found, kFalse, kFalse);
             return !found.allocated();
         },
         {}},
        {"DeleteNoMatchDirectories against \"\"",
         [&] {
             Record r = backupParams("", scratch / "dst", true);
             Array found;
             control.DeleteNoMatchDirectories(r, found, kTrue, kTrue);
             return !found.allocated();
         },
         {}},
    };
    for (Row& row : rows) {
        host.boxes.clear();
        control.BackUpFilesCLEANUP();
        EXPECT_TRUE(row.run()) << row.what;
        EXPECT_EQ(host.boxes, row.boxes) << row.what;
        const bool leaked = exists("/" + mark);
        fs::remove("/" + mark);
        EXPECT_FALSE(leaked) << row.what << " made a folder in the root folder";
        EXPECT_TRUE(exists(scratch / "dst/only-in-target")) << row.what;
    }
}

TEST_F(Backup, AsksBeforeMoreThanAThousandFiles) {
    makeFiles("big/exactly", 1000);
    makeFiles("big/more", 1001);
    struct Row {
        const char* folder;
        std::deque<std::int32_t> answers;
        control::VBool result;
        std::size_t boxes;
        std::int32_t copied;
    } rows[] = {{"exactly", {}, kTrue, 0, 1000}, {"more", {control::box::kNo}, kFalse, 1, 0},
                {"more", {control::box::kYes}, kTrue, 1, 1001}};
    for (const Row& row : rows) {
        host.boxes.clear();
        host.answers = row.answers;
        const std::string target = scratch.folder(std::string("out-") + row.folder + std::to_string(row.copied));
        Record r = backupParams(scratch / "big/" + row.folder, target, false);
        EXPECT_EQ(control.BackUpFiles(r), row.result);
        ASSERT_EQ(host.boxes.size(), row.boxes);
        if (row.boxes > 0) {
            EXPECT_EQ(host.boxes[0], (ShownBox{u"This is a large operation! Select yes to continue.", 68,
                                              u"Would you like to continue?"}));
        }
        EXPECT_EQ(count(r, "nCopied"), row.copied);
        EXPECT_FALSE(r.field("StrArray").get<Array>().allocated());
        EXPECT_EQ(control.backupState().BackupWorkTotal, row.result == kTrue ? row.copied : 100);
    }
}

TEST_F(Backup, CancelDuringCollectionSkipsTheQuestionAndStopsAfterOneFile) {
    makeFiles("big", 1001);
    host.onPump = [&] { control.CancelOps(); };
    Record r = backupParams(scratch / "big", scratch / "dst", false);
    EXPECT_EQ(control.BackUpFiles(r), kTrue);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(count(r, "nCopied"), 1);
    EXPECT_EQ(control.state().CancelRequested, kFalse);
}

TEST_F(Backup, ProgressReadsQuartersDuringACopyOfFourFiles) {
    makeFiles("four", 4);
    EXPECT_EQ(control.BackUpFilesProgressPercentage(), 0);
    std::vector<std::int32_t> seen;
    host.onPump = [&] {
        const std::int32_t p = control.BackUpFilesProgressPercentage();
        if (seen.empty() || seen.back() != p) {
            seen.push_back(p);
        }
    };
    Record r = backupParams(scratch / "four", scratch / "dst", false);
    EXPECT_EQ(control.BackUpFiles(r), kTrue);
    EXPECT_EQ(seen, (std::vector<std::int32_t>{0, 25, 50, 75}));
    EXPECT_EQ(control.BackUpFilesProgressPercentage(), 0);

    control.backupState().BackupWorkTotal = 40'000'000;  // beyond the 32-bit product
    control.backupState().BackupWorkDone = 30'000'000;
    EXPECT_EQ(control.BackUpFilesProgressPercentage(), 75);
}

TEST_F(Backup, CopiesThatFailAreNotCountedAndLinksAreNotWrittenThrough) {
    ASSERT_EQ(::mkfifo((scratch / "src/pipe").c_str(), 0600), 0);
    const ScratchFolder outside;
    const std::string victim = outside.file("victim.txt", 3);
    fs::create_directory_symlink(outside.path(), scratch / "dst/sub");
    fs::create_symlink(victim, scratch / "dst/one.txt");
    age(victim, 20);

    Record r = backupParams(scratch / "src", scratch / "dst", true);
    EXPECT_EQ(control.BackUpFiles(r), kTrue);
    expectCounts(r, 2, 1);  // two.txt, three.txt copied; the linked one.txt replaced
    EXPECT_FALSE(fs::is_symlink(scratch / "dst/one.txt"));
    EXPECT_EQ(fs::file_size(victim), 3U);
    EXPECT_FALSE(exists(outside / "four.txt"));
    EXPECT_FALSE(exists(scratch / "dst/pipe"));
}

TEST_F(Backup, ReplacesOnlyTheLeadingSourceRoot) {
    // The source's own path repeats below it.
    const std::string source = scratch / "d";
    scratch.file("d" + source + "/f.txt");
    const std::string target = scratch.folder("t");
    Record r = backupParams(source, target, true);
    EXPECT_EQ(control.BackUpFiles(r), kTrue);
    EXPECT_EQ(count(r, "nCopied"), 1);
    EXPECT_TRUE(exists(target + source + "/f.txt"));
}

TEST_F(Backup, LateBoundCallWritesTheRecordBack) {
    ControlCaller caller{control};
    hosting::KorbitClient client{caller};
    Record params = backupParams(scratch / "src", scratch / "dst", true, true);
    EXPECT_TRUE(client.BackUpFiles(params));
    EXPECT_EQ(count(params, "nCopied"), 5);
    EXPECT_EQ(params.field("SourceFolder"), Value(u16(scratch / "src/")));
}

}  // namespace
}  // namespace korbit::testing
