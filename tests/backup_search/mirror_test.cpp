#include <filesystem>

#include "backup_search/backup_search_fixture.h"

namespace korbit::testing {
namespace {

namespace fs = std::filesystem;
using control::Array;
using control::Record;
using control::Value;
using control::kFalse;
using control::kTrue;

using Mirror = BackupSearch;

TEST_F(Mirror, BuildsTheEmptyTreeParentFirstAndLatchesItsRoot) {
    scratch.file("src/a/b/file");
    scratch.folder("src/a/.hidden");
    scratch.folder("src/c");
    scratch.folder("other/z");
    const std::string target = scratch.folder("dst");
    Record r = backupParams(scratch / "src", target, true);
    EXPECT_EQ(control.CreateEmptyFolderMirror(r), Value());
    EXPECT_EQ(texts(r.field("StrArray").get<Array>()),
              (std::vector<std::string>{scratch / "src/a", scratch / "src/a/b", scratch / "src/c"}));
    EXPECT_EQ(count(r, "nCount"), 3);
    EXPECT_EQ(r.field("SourceFolder"), Value(u16(scratch / "src/c/")));
    EXPECT_TRUE(exists(target + "/a/b") && exists(target + "/c"));
    EXPECT_FALSE(exists(target + "/a/.hidden") || exists(target + "/a/b/file"));

    Record second = backupParams(scratch / "other", target, true);
    control.CreateEmptyFolderMirror(second);
    EXPECT_FALSE(exists(target + "/z"));  // still latched on the first source
    control.BackUpFilesCLEANUP();
    Record fresh = backupParams(scratch / "other", target, true);  // the last call moved SourceFolder on
    control.CreateEmptyFolderMirror(fresh);
    EXPECT_TRUE(exists(target + "/z"));
}

TEST_F(Mirror, ComparingListsAndDeletesTargetFilesWithoutSource) {
    scratch.file("src/a.txt");
    scratch.file("src/sub/b.txt");
    scratch.file("dst/a.txt");
    scratch.file("dst/sub/b.txt");
    Array extra = Array::ofTexts({u"before"});
    Record r = backupParams(scratch / "src", scratch / "dst", true);
    EXPECT_EQ(control.CompareTargetToSource(r, extra), kFalse);
    EXPECT_EQ(texts(extra), std::vector<std::string>{"before"});

    scratch.file("dst/sub/extra.txt");
    scratch.file("dst/src/a.txt");  // the source root's name inside the target
    struct Row {
        control::VBool deleteNow;
        bool gone;
    } rows[] = {{kFalse, false}, {kTrue, true}};
    for (const Row& row : rows) {
        Record p = backupParams(scratch / "src", scratch / "dst", true);
        EXPECT_EQ(control.CompareTargetToSource(p, extra, row.deleteNow, kTrue), kTrue);
        EXPECT_EQ(texts(extra), (std::vector<std::string>{scratch / "dst/src/a.txt", scratch / "dst/sub/extra.txt"}));
        EXPECT_FALSE(p.field("StrArray").get<Array>().allocated());
        EXPECT_EQ(exists(scratch / "dst/sub/extra.txt"), !row.gone);
    }
    Record missing = backupParams(scratch / "none", scratch / "dst", true);
    EXPECT_EQ(control.CompareTargetToSource(missing, extra), kFalse);
}

TEST_F(Mirror, MismatchedFoldersAreListedRecursivelyAndKeepCounting) {
    scratch.folder("src/keep");
    scratch.folder("dst/keep");
    scratch.folder("dst/A/B");
    scratch.folder("dst/.git");
    Array found;
    Record r = backupParams(scratch / "src", scratch / "dst", true);
    EXPECT_EQ(control.DeleteNoMatchDirectories(r, found), Value());
    EXPECT_EQ(texts(found), (std::vector<std::string>{scratch / "dst/A", scratch / "dst/A/B"}));

    control.DeleteNoMatchDirectories(r, found);  // latched: goes on from where the last run ended, at its count
    EXPECT_EQ(found.size(), 2U);

    control.BackUpFilesCLEANUP();
    Array again;
    control.DeleteNoMatchDirectories(r, again, kTrue, kTrue);
    EXPECT_EQ(texts(again), (std::vector<std::string>{scratch / "dst/A"}));
    EXPECT_FALSE(exists(scratch / "dst/A"));
    EXPECT_TRUE(exists(scratch / "dst/keep") && exists(scratch / "dst/.git"));
}

}  // namespace
}  // namespace korbit::testing
