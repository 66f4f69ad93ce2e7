#include <filesystem>

#include "backup_search/backup_search_fixture.h"
#include "support/control_client.h"

namespace korbit::testing {
namespace {

using control::Array;
using control::Record;
using control::Text;
using control::Value;
using control::kFalse;
using control::kTrue;

class Search : public BackupSearch {
protected:
    // top: a.txt, b.log, sub/c.txt, .dot/d.txt, .e.txt
    void SetUp() override {
        scratch.file("top/a.txt");
        scratch.file("top/b.log");
        scratch.file("top/sub/c.txt");
        scratch.file("top/.dot/d.txt");
        scratch.file("top/.e.txt");
    }
    std::vector<std::string> search(Record& fp, Array& list, const std::string& folder) {
        control.SearchForFiles(u16(folder), list, fp);
        return texts(list);
    }
};

TEST_F(Search, CollectsFilesInListingOrderAndCountsEveryEntry) {
    const std::string top = scratch / "top";
    struct Row {
        bool recursive;
        std::vector<std::string> found;
        std::int32_t searched;
    } rows[] = {
        {false, {top + "/.e.txt", top + "/a.txt", top + "/b.log"}, 7},
        {true, {top + "/.e.txt", top + "/a.txt", top + "/b.log", top + "/sub/c.txt"}, 10},
    };
    for (const Row& row : rows) {
        Record fp = fileParams(0, "", row.recursive);
        Array list;
        EXPECT_EQ(search(fp, list, top), row.found);
        EXPECT_EQ(count(fp, "nCount"), static_cast<std::int32_t>(row.found.size()));
        EXPECT_EQ(count(fp, "nSearched"), row.searched);
    }
}

TEST_F(Search, FilterModesKeepMatchesOthersOrNothing) {
    const std::string top = scratch / "top";
    struct Row {
        std::int32_t mode;
        const char* pattern;
        std::vector<std::string> found;
    } rows[] = {
        {1, "*.txt", {top + "/.e.txt", top + "/a.txt", top + "/sub/c.txt"}},
        {0, "*.txt", {top + "/b.log"}},
        {-1, "*.txt", {}},
        {1, "*.LOG; *.none", {top + "/b.log"}},
        {1, "", {}},
        {2, "", {}},
    };
    for (const Row& row : rows) {
        Record fp = fileParams(row.mode, row.pattern, true);
        Array list;
        EXPECT_EQ(search(fp, list, top + "/"), row.found) << row.mode << " " << row.pattern;
    }
}

TEST_F(Search, AppendsBehindTheCountAndLeavesTheListWhenNothingIsFound) {
    Record fp = fileParams(1, "*.txt", false);
    fp.field("nCount") = std::int32_t{1};
    Array list = Array::ofTexts({u"kept", u"cut"});
    const Text folder = u16(scratch / "top");
    control.SearchForFiles(folder, list, fp);
    EXPECT_EQ(texts(list), (std::vector<std::string>{"kept", scratch / "top/.e.txt", scratch / "top/a.txt"}));
    EXPECT_EQ(folder, u16(scratch / "top"));

    Record none = fileParams(1, "*.none", true);
    const Array before = list;
    control.SearchForFiles(folder, list, none);
    EXPECT_EQ(list, before);
    EXPECT_EQ(count(none, "nCount"), 0);
}

TEST_F(Search, FolderQuestionsIgnoreDotFoldersAndWriteTheSeparatorBack) {
    scratch.folder("only-folders/x");
    scratch.folder("only-dot/.git");
    struct Row {
        std::string folder;
        control::VBool files;
        control::VBool subfolders;
    } rows[] = {
        {scratch / "top", kTrue, kTrue},
        {scratch / "only-folders", kFalse, kTrue},
        {scratch / "only-dot", kFalse, kFalse},
        {scratch / "missing", kFalse, kFalse},
    };
    for (const Row& row : rows) {
        Text a = u16(row.folder);
        Text b = a;
        EXPECT_EQ(control.FolderContainsFiles(a), row.files) << row.folder;
        EXPECT_EQ(control.FolderContainsSubfolders(b), row.subfolders) << row.folder;
        EXPECT_EQ(a, u16(row.folder + "/"));
        EXPECT_EQ(b, u16(row.folder + "/"));
    }
}

TEST_F(Search, AllLocationsAccumulateUntilCleanedUp) {
    scratch.file("top/sub/A.TXT");
    scratch.file("top/sub/deeper/a.txt");
    const Text root = u16(scratch / "top/");
    Array found = Array::ofTexts({u"old"});
    EXPECT_EQ(control.SearchForAllFileLocations(root, u"a.txt", found), kTrue);
    const std::vector<std::string> once{scratch / "top/a.txt", scratch / "top/sub/A.TXT",
                                        scratch / "top/sub/deeper/a.txt"};
    EXPECT_EQ(texts(found), once);
    EXPECT_EQ(control.SearchForAllFileLocations(root, u"A.txt", found), kTrue);
    EXPECT_EQ(found.size(), 6U);
    EXPECT_EQ(control.locations().LocationCount, 6);

    control.SearchForAllFileLocationsCLEANUP();
    const Array before = found;
    EXPECT_EQ(control.SearchForAllFileLocations(root, u".e.txt", found), kFalse);  // dot-named: never
    EXPECT_EQ(control.SearchForAllFileLocations(root, u"d.txt", found), kFalse);   // inside a dot folder
    EXPECT_EQ(control.SearchForAllFileLocations(root, u"*.txt", found), kFalse);   // no wildcards
    EXPECT_EQ(found, before);
}

TEST_F(Search, TreeSearchReportsWhatItCannotFind) {
    // A whole-disk walk is too slow for a unit test: only the roots that name no folder.
    for (const char* start : {"", "7"}) {
        Text drive = u16(start);
        EXPECT_EQ(control.SearchForFileLocation(drive, u"x"), u"File was not found.  Error: 2") << start;
        EXPECT_EQ(drive, u16(start));
    }
}

TEST_F(Search, LateBoundSearchWritesTheRecordAndListBack) {
    ControlCaller caller{control};
    hosting::KorbitClient client{caller};
    Array found(control::VarType::kText);
    Record fp = fileParams(1, "*.log", true);
    client.SearchForFiles(u16(scratch / "top"), found, fp);
    EXPECT_EQ(texts(found), std::vector<std::string>{scratch / "top/b.log"});
    EXPECT_EQ(count(fp, "nCount"), 1);
    EXPECT_EQ(count(fp, "nSearched"), 10);
}

}  // namespace
}  // namespace korbit::testing
