// The file time and attribute methods through the dispatch interface.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cmath>
#include <ctime>
#include <filesystem>

#include "korbit/control/values/automation_date.h"
#include "korbit/control/values/type_library.h"
#include "korbit/platform/file_times.h"
#include "korbit/services/file_times.h"
#include "platform/scratch_folder.h"
#include "services/method_calls.h"
#include "support/scripted_host.h"

namespace korbit::testing {
namespace {

using control::Date;
using control::Value;

Value dateOf(int y, int mo, int d, int h, int mi, int s) {
    return Value(*control::fromCivil({y, mo, d, h, mi, s}));
}

class FileTimes : public ::testing::Test {
protected:
    void SetUp() override { ::tzset(); }
    void TearDown() override { ::tzset(); }

    ScopedVariable zone{"TZ", std::string("EST5")};  // five hours behind UTC, no summer time
    ScriptedHost host;
    control::KorbitControl control{&host};
    ScratchFolder scratch;
    std::string file = scratch.file("f.txt", 1);

    std::vector<Value> readTimes(const std::string& path, bool local, bool* ok = nullptr) {
        std::vector<Value> args{text(path), Value(Date{}), Value(Date{}), Value(Date{}), boolean(local)};
        const control::InvokeResult r = callMethod(control, "GetFileTimes", args);
        EXPECT_TRUE(r.ok());
        if (ok != nullptr) {
            *ok = r.result == kTrueValue;
        }
        return {args[1], args[2], args[3]};
    }
};

TEST_F(FileTimes, SetThenGetRoundTripsToTheSecond) {
    const std::vector<Value> now = readTimes(file, false);
    const Value accessed = dateOf(2001, 2, 3, 4, 5, 6);
    const Value modified = dateOf(2010, 11, 12, 13, 14, 15);
    // The birth time cannot be set here: whatever creation date is asked for, the other two stamps are set
    // and the creation stamp stays (where the file system keeps none, it reads as the earlier of the status
    // change, just now, and the modification).
    EXPECT_EQ(call(control, "SetFileTimes", {text(file), dateOf(1999, 1, 1, 0, 0, 0), accessed, modified}),
              kTrueValue);
    const Value created = platform::readFileStamps(file)->birthTimeKnown ? now[0] : modified;
    EXPECT_EQ(readTimes(file, false), (std::vector<Value>{created, accessed, modified}));

    // Local times: the zone's five hours both ways.
    EXPECT_EQ(readTimes(file, true)[2], dateOf(2010, 11, 12, 8, 14, 15));
    call(control, "SetFileModifiedDate", {text(file), dateOf(2020, 1, 1, 0, 0, 0), kTrueValue});
    EXPECT_EQ(readTimes(file, false)[2], dateOf(2020, 1, 1, 5, 0, 0));
    EXPECT_EQ(readTimes(file, false)[1], accessed);  // the other stamps stay
}

TEST_F(FileTimes, MillisecondsAreDropped) {
    const struct timespec times[2] = {{1000000000, 999000000}, {1000000000, 999000000}};
    ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
    EXPECT_EQ(readTimes(file, false)[2], Value(services::dateOfUnixSeconds(1000000000)));
}

TEST_F(FileTimes, SettersAnswerFalseWhenNoStampWasSet) {
    bool ok = true;
    const std::vector<Value> untouched = readTimes(scratch / "missing", false, &ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(untouched[0], Value(Date{}));
    const std::string readOnly = scratch.file("ro.txt", 1);
    ::chmod(readOnly.c_str(), 0444);
    const std::vector<Value> before = readTimes(readOnly, false);
    const Value sane = dateOf(2000, 1, 1, 0, 0, 0);
    const struct {
        const char* method;
        std::string path;
        Value date;
    } cases[] = {
        {"SetFileCreatedDate", file, sane},  // no birth time can be set here
        {"SetFileCreatedDate", scratch / "missing", sane},
        {"SetFileAccessedDate", scratch / "missing", sane},
        {"SetFileModifiedDate", scratch / "missing", sane},
        {"SetFileAccessedDate", readOnly, sane},
        {"SetFileModifiedDate", readOnly, sane},
        {"SetFileModifiedDate", file, Value(Date{-200000.0})},  // year 1352: no stamp holds it
    };
    for (const auto& c : cases) {
        EXPECT_EQ(call(control, c.method, {text(c.path), c.date, kFalseValue}), kFalseValue) << c.method << " "
                                                                                               << c.path;
    }
    for (const std::string& path : {scratch / "missing", readOnly}) {
        EXPECT_EQ(call(control, "SetFileTimes", {text(path), sane, sane, sane}), kFalseValue) << path;
    }
    EXPECT_EQ(call(control, "SetFileTimes", {text(file), Value(Date{-200000.0}), sane, sane}), kFalseValue);
    EXPECT_EQ(readTimes(readOnly, false), before);
    EXPECT_NE(readTimes(file, false)[2], sane);
    EXPECT_EQ(call(control, "SetFileAccessedDate", {text(file), sane, kFalseValue}), kTrueValue);
}

TEST_F(FileTimes, ComparesOneStampOfTwoFiles) {
    const std::string older = scratch.file("older.txt", 1);
    call(control, "SetFileTimes", {text(older), dateOf(2000, 1, 1, 0, 0, 0), dateOf(2000, 1, 1, 0, 0, 0),
                                   dateOf(2000, 1, 1, 0, 0, 0)});
    const std::string missing = scratch / "missing";
    const struct {
        const char* method;
        std::string source, target;
        std::int32_t result;
    } cases[] = {
        {"FileCompareModDates", file, file, 0},          {"FileCompareModDates", file, older, 1},
        {"FileCompareModDates", older, file, -1},        {"FileCompareAccessDates", file, older, 1},
        {"FileCompareModDates", missing, older, -1},     {"FileCompareCreatedDates", missing, missing, 0},
        {"FileCompareCreatedDates", file, missing, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(call(control, c.method, {text(c.source), text(c.target)}), Value(c.result))
            << c.method << " " << c.source << " " << c.target;
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
        EXPECT_EQ(call(control, "GetMyFileAttributes", {text(c.path), Value(c.mask)}), boolean(c.result))
            << c.path << " " << c.mask;
    }
}

TEST_F(FileTimes, TheReadOnlyBitFollowsTheWritePermissionBits) {
    const auto readOnly = [&] { return call(control, "GetMyFileAttributes", {text(file), Value(std::int32_t{1})}); };
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    EXPECT_EQ(readOnly(), kTrueValue);
    ASSERT_EQ(::chmod(file.c_str(), 0644), 0);
    EXPECT_EQ(readOnly(), kFalseValue);
}

TEST_F(FileTimes, FolderCreatedDateIsLocalAndWrittenOut) {
    std::vector<Value> args{text(scratch.path()), text("")};
    const control::InvokeResult r = callMethod(control, "GetFolderCreatedDate", args);
    ASSERT_TRUE(r.ok());
    const double utcNow = services::dateOfUnixSeconds(std::time(nullptr)).days;
    EXPECT_NEAR(r.result.get<double>(), utcNow - 5.0 / 24.0, 1.0 / 24.0);
    EXPECT_FALSE(args[1].get<control::Text>().empty());

    args = {text(scratch / "missing"), text("old")};
    EXPECT_EQ(callMethod(control, "GetFolderCreatedDate", args).result, Value(0.0));
    EXPECT_EQ(args[1], text(""));
    args = {text(file)};
    EXPECT_EQ(callMethod(control, "GetFolderCreatedDate", args).result, Value(0.0));
}

}  // namespace
}  // namespace korbit::testing
