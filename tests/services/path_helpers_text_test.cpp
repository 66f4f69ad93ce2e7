// The helpers that only take text apart, and the size texts.
#include <gtest/gtest.h>

#include <functional>

#include "korbit/control/values/automation_error.h"
#include "korbit/services/path_helpers.h"

namespace korbit::services {
namespace {

using Helper = std::function<std::u16string(const std::u16string&)>;

struct TextCase {
    const char* helper;
    Helper call;
    std::u16string argument;
    std::u16string result;
};

TEST(PathText, TakesPathsApartWithEitherSeparator) {
    const TextCase cases[] = {
        {"GetFileExt", GetFileExt, u"C:\\a\\A.TXT", u"txt"},
        {"GetFileExt", GetFileExt, u"/home/u/archive.tar.GZ", u"gz"},
        {"GetFileExt", GetFileExt, u"name.", u""},
        {"GetFileExt", GetFileExt, u"C:\\My.Dir\\file", u""},  // a dot in a folder is no extension
        {"GetFileExt", GetFileExt, u"/home/u/.bashrc", u"bashrc"},
        {"GetFileExt", GetFileExt, std::u16string(u"a.Doc\0xyz", 9), u"doc"},
        {"GetFileExt", GetFileExt, u"r\u00E9sum\u00E9.\u00C9T\u00C9", u"\u00E9t\u00E9"},
        {"CutFileExt", CutFileExt, u"C:\\a\\b", u"C:\\a\\b"},
        {"CutFileExt", CutFileExt, u"C:\\a.b\\c", u"C:\\a.b\\c"},
        {"CutFileExt", CutFileExt, u"/d/Report.TXT", u"/d/Report"},
        {"CutFileExt", CutFileExt, u"abc.", u"abc"},
        {"CutFileExt", CutFileExt, u"/home/u/.bashrc", u"/home/u/"},
        {"GetFilePath", GetFilePath, u"C:\\a\\b.txt", u"C:\\a\\"},
        {"GetFilePath", GetFilePath, u"/a/b.txt", u"/a/"},
        {"GetFilePath", GetFilePath, u"C:\\x", u"C:\\"},
        {"GetFilePath", GetFilePath, u"\\x", u""},
        {"GetFilePath", GetFilePath, u"/x", u"/"},
        {"GetFilePath", GetFilePath, u"a/b\\c", u"a/b\\"},
        {"CutFilePath", CutFilePath, u"x.txt", u"x.txt"},
        {"CutFilePath", CutFilePath, u"C:\\a\\b.txt", u"b.txt"},
        {"BackSlashNeeded", BackSlashNeeded, u"", u"/"},
        {"BackSlashNeeded", BackSlashNeeded, u"/a", u"/a/"},
        {"BackSlashNeeded", BackSlashNeeded, u"C:\\", u"C:\\"},
        {"TrimNull", TrimNull, std::u16string(u"ab\0cd\0", 6), u"ab"},
        {"ExtractLastFolderInDir", ExtractLastFolderInDir, u"C:\\a\\b\\", u"\\b"},
        {"ExtractLastFolderInDir", ExtractLastFolderInDir, u"C:\\a\\b", u"\\b"},
        {"ExtractLastFolderInDir", ExtractLastFolderInDir, u"/home/u/", u"/u"},
        {"ExtractLastFolderInDir", ExtractLastFolderInDir, u"C:\\", u""},
        {"ExtractLastFolderInDir", ExtractLastFolderInDir, u"/", u""},
        {"CompactDirectoryString", CompactDirectoryString, u"C:\\a\\b\\", u".....\\b"},
        {"CompactDirectoryString", CompactDirectoryString, u"/srv/data", u"...../data"},
        {"CompactDirectoryString", CompactDirectoryString, u"C:\\", u"C:\\"},
        {"CompactDirectoryString", CompactDirectoryString, u"", u""},
        {"GetDriveLetter", GetDriveLetter, u"C:\\a\\b.txt", u"C:"},
        {"GetDriveLetter", GetDriveLetter, u"e:", u"e:"},
        {"GetDriveLetter", GetDriveLetter, u"relative/x", u"re"},
    };
    for (const TextCase& c : cases) {
        const std::u16string argument = c.argument;
        EXPECT_EQ(c.call(argument), c.result) << c.helper << " #" << (&c - cases);
        EXPECT_EQ(argument, c.argument);
    }
}

TEST(PathText, ScanningHelpersOverflowPastTheSixteenBitLimit) {
    const std::u16string longest = u"/dir/f.x" + std::u16string(kMaxScannedLength - 8, u'y');
    const std::u16string tooLong = longest + u"y";
    for (const Helper& helper : {Helper(GetFileExt), Helper(CutFileExt), Helper(GetFilePath), Helper(CutFilePath)}) {
        EXPECT_NO_THROW(helper(longest));
        try {
            helper(tooLong);
            ADD_FAILURE() << "no overflow";
        } catch (const control::AutomationError& error) {
            EXPECT_EQ(error.statusCode(), control::status::kOverflow);
            EXPECT_EQ(error.errorNumber(), 6);
        }
    }
    EXPECT_EQ(ExtractLastFolderInDir(tooLong + u"/z"), u"/z");
    EXPECT_EQ(BackSlashNeeded(tooLong).size(), tooLong.size() + 1);
}

TEST(SizeText, PicksTheLargestBinaryUnitAndRoundsHalvesUp) {
    const struct {
        std::int32_t bytes;
        std::u16string text;
    } cases[] = {
        {0, u"0 Bytes"},
        {1023, u"1023 Bytes"},
        {-2147483647 - 1, u"-2147483648 Bytes"},
        {1024, u"1.00 KB"},
        {1536, u"1.50 KB"},
        {1152, u"1.13 KB"},  // 1.125 exactly
        {1048575, u"1024.00 KB"},
        {1048576, u"1.00 MB"},
        {1073741824, u"1.00 GB"},
        {2147483647, u"2.00 GB"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SetBytes(c.bytes), c.text) << c.bytes;
    }
}

}  // namespace
}  // namespace korbit::services
