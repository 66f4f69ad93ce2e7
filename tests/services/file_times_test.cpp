// The file time and attribute methods through the control's typed client.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cmath>
#include <ctime>
#include <filesystem>

#include "korbit/control/korbit_control.h"
#include "korbit/control/values/automation_date.h"
#include "korbit/control/values/type_library.h"
#include "korbit/platform/file_times.h"
#include "korbit/services/file_times.h"
#include "platform/scratch_folder.h"
#include "support/control_client.h"
#include "support/scripted_host.h"

namespace korbit::testing {
namespace {

using control::Date;

Date dateOf(int y, int mo, int d, int h, int mi, int s) { return *control::fromCivil({y, mo, d, h, mi, s}); }

class FileTimes : public ::testing::Test {
protected:
    void SetUp() override { ::tzset(); }
    void TearDown() override { ::tzset(); }

    ScopedVariable zone{"TZ", std::string("EST5")};  // five hours behind UTC, no summer time
    ScriptedHost host;
    control::KorbitControl control{&host};
    ScratchFolder scratch;
    std::string file = scratch.file("f.txt", 1);
    ControlCaller caller{control};
    hosting::KorbitClient client{caller};

    std::vector<Date> readTimes(const std::string& path, bool local, bool* ok = nullptr) {
        std::vector<Date> times(3);
        const bool read = client.GetFileTimes(text(path), times[0], times[1], times[2], local);
        if (ok != nullptr) {
            *ok = read;
        }
        return times;
    }
};

TEST_F(FileTimes, SetThenGetRoundTripsToTheSecond) {
    const std::vector<Date> now = readTimes(file, false);
    const Date accessed = dateOf(2001, 2, 3, 4, 5, 6);
    const Date modified = dateOf(2010, 11, 12, 13, 14, 15);
    // The birth time cannot be set here: whatever creation date is asked for, the other two stamps are set
    // and the creation stamp stays (where the file system keeps none, it reads as the earlier of the status
    // change, just now, and the modification).
    EXPECT_TRUE(client.SetFileTimes(text(file), dateOf(1999, 1, 1, 0, 0, 0), accessed, modified));
    const Date created = platform::readFileStamps(file)->birthTimeKnown ? now[0] : modified;
    EXPECT_EQ(readTimes(file, false), (std::vector<Date>{created, accessed, modified}));

    // Local times: the zone's five hours both ways.
    EXPECT_EQ(readTimes(file, true)[2], dateOf(2010, 11, 12, 8, 14, 15));
    client.SetFileModifiedDate(text(file), dateOf(2020, 1, 1, 0, 0, 0), true);
    EXPECT_EQ(readTimes(file, false)[2], dateOf(2020, 1, 1, 5, 0, 0));
    EXPECT_EQ(readTimes(file, false)[1], accessed);  // the other stamps stay
}

TEST_F(FileTimes, MillisecondsAreDropped) {
    const struct timespec times[2] = {{1000000000, 999000000}, {1000000000, 999000000}};
    ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
    EXPECT_EQ(readTimes(file, false)[2], services::dateOfUnixSeconds(1000000000));
}

TEST_F(FileTimes, SettersAnswerFalseWhenNoStampWasSet) {
    bool ok = true;
    const std::vector<Date> untouched = readTimes(scratch / "missing", false, &ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(untouched[0], Date{});
    const std::string readOnly = scratch.file("ro.txt", 1);
    ::chmod(readOnly.c_str(), 0444);
    const std::vector<Date> before = readTimes(readOnly, false);
    const Date sane = dateOf(2000, 1, 1, 0, 0, 0);
    using SetStamp = bool (hosting::KorbitClient::*)(const control::Text&, Date, bool);
    const SetStamp created = &hosting::KorbitClient::SetFileCreatedDate;
    const SetStamp accessed = &hosting::KorbitClient::SetFileAccessedDate;
    const SetStamp modified = &hosting::KorbitClient::SetFileModifiedDate;
    const struct {
        const char* stamp;
        SetStamp set;
        std::string path;
        Date date;
    } cases[] = {
        {"created", created, file, sane},  // no birth time can be set here
        {"created", created, scratch / "missing", sane},
        {"accessed", accessed, scratch / "missing", sane},
        {"modified", modified, scratch / "missing", sane},
        {"accessed", accessed, readOnly, sane},
        {"modified", modified, readOnly, sane},
        {"modified", modified, file, Date{-200000.0}},  // year 1352: no stamp holds it
    };
    for (const auto& c : cases) {
        EXPECT_FALSE((client.*c.set)(text(c.path), c.date, false)) << c.stamp << " " << c.path;
    }
    for (const std::string& path : {scratch / "missing", readOnly}) {
        EXPECT_FALSE(client.SetFileTimes(text(path), sane, sane, sane)) << path;
    }
    EXPECT_FALSE(client.SetFileTimes(text(file), Date{-200000.0}, sane, sane));
    EXPECT_EQ(readTimes(readOnly, false), before);
    EXPECT_NE(readTimes(file, false)[2], sane);
    EXPECT_TRUE(client.SetFileAccessedDate(text(file), sane, false));
}

TEST_F(FileTimes, ComparesOneStampOfTwoFiles) {
    const std::string older = scratch.file("older.txt", 1);
    client.SetFileTimes(text(older), dateOf(2000, 1, 1, 0, 0, 0), dateOf(2000, 1, 1, 0, 0, 0),
                        dateOf(2000, 1, 1, 0, 0, 0));
    const std::string missing = scratch / "missing";
    using Compare = std::int32_t (hosting::KorbitClient::*)(const control::Text&, const control::Text&);
    const Compare modified = &hosting::KorbitClient::FileCompareModDates;
    const Compare accessed = &hosting::KorbitClient::FileCompareAccessDates;
    const Compare created = &hosting::KorbitClient::FileCompareCreatedDates;
    const struct {
        const char* stamp;
        Compare compare;
        std::string source, target;
        std::int32_t result;
    } cases[] = {
        {"modified", modified, file, file, 0},      {"modified", modified, file, older, 1},
        {"modified", modified, older, file, -1},    {"accessed", accessed, file, older, 1},
        {"modified", modified, missing, older, -1}, {"created", created, missing, missing, 0},
        {"created", created, file, missing, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ((client.*c.compare)(text(c.source), text(c.target)), c.result)
            << c.stamp << " " << c.source << " " << c.target;
    }
}

TEST_F(FileTimes, AttributeWordAnswersMasks) {
    const std::string hidden = scratch.file(".hidden", 1);
    ::chmod(hidden.c_str(), 0444);
    const std::string folder = scratch.folder("dir");
    const struct {
        std::string path;
        std::int32_t mask;
        bool result;
    } cases[] = {
        {hidden, control::eFILE_ATTRIBUTE_HIDDEN, true},
        {hidden, control::eFILE_ATTRIBUTE_READONLY, true},
        {hidden, control::eFILE_ATTRIBUTE_DIRECTORY, false},
        {file, control::eFILE_ATTRIBUTE_ARCHIVE, true},
        {file, control::eFILE_ATTRIBUTE_NORMAL | control::eFILE_ATTRIBUTE_READONLY, false},
        {folder, control::eFILE_ATTRIBUTE_DIRECTORY, true},
        {folder, control::eFILE_ATTRIBUTE_ARCHIVE, false},
        {folder + "/", control::eFILE_ATTRIBUTE_DIRECTORY, true},
        {scratch / "missing", -1, false},
        {scratch / "missing", control::eFILE_ATTRIBUTE_NORMAL, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(client.GetMyFileAttributes(text(c.path), static_cast<control::FileAttributes>(c.mask)), c.result)
            << c.path << " " << c.mask;
    }
}

TEST_F(FileTimes, TheReadOnlyBitFollowsTheWritePermissionBits) {
    const auto readOnly = [&] { return client.GetMyFileAttributes(text(file), control::eFILE_ATTRIBUTE_READONLY); };
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    EXPECT_TRUE(readOnly());
    ASSERT_EQ(::chmod(file.c_str(), 0644), 0);
    EXPECT_FALSE(readOnly());
}

TEST_F(FileTimes, FolderCreatedDateIsLocalAndWrittenOut) {
    control::Text shown;
    const double created = client.GetFolderCreatedDate(text(scratch.path()), &shown);
    const double utcNow = services::dateOfUnixSeconds(std::time(nullptr)).days;
    EXPECT_NEAR(created, utcNow - 5.0 / 24.0, 1.0 / 24.0);
    EXPECT_FALSE(shown.empty());

    shown = u"old";
    EXPECT_EQ(client.GetFolderCreatedDate(text(scratch / "missing"), &shown), 0.0);
    EXPECT_EQ(shown, u"");
    EXPECT_EQ(client.GetFolderCreatedDate(text(file)), 0.0);
}

}  // namespace
}  // namespace korbit::testing
