// The helpers that ask the file system: existence, drives, types, names and sizes.
#include <gtest/gtest.h>

#include <filesystem>

#include "korbit/platform/text_encoding.h"
#include "korbit/services/path_helpers.h"
#include "platform/scratch_folder.h"

namespace korbit::services {
namespace {

using platform::fromUtf8;
constexpr std::int16_t kTrue = -1;
constexpr std::int16_t kFalse = 0;

std::u16string withNul(const std::string& path) { return fromUtf8(path) + std::u16string(1, u'\0') + u"x"; }

class FileSystemHelpers : public ::testing::Test {
protected:
    testing::ScratchFolder scratch;
    std::string file = scratch.file("data/report.txt", 1536);
    std::string empty = scratch.file("data/empty.bin");
    std::string folder = scratch.folder("data/inner");
};

TEST_F(FileSystemHelpers, ExistenceTestsTellFilesFoldersAndPatternsApart) {
    std::filesystem::create_symlink(scratch / "gone", scratch / "data/dangling");
    const struct {
        std::u16string path;
        std::int16_t fileExistQ;
        std::int16_t doesFileExist;
        std::int16_t folderExists;
    } cases[] = {
        {fromUtf8(file), kTrue, kTrue, kFalse},
        {fromUtf8(empty), kTrue, kTrue, kFalse},
        {fromUtf8(file) + u"/", kFalse, kFalse, kFalse},
        {fromUtf8(scratch / "data/REPORT.txt"), kFalse, kFalse, kFalse},
        {fromUtf8(folder), kTrue, kFalse, kTrue},
        {u"  " + fromUtf8(folder) + u"\\  ", kFalse, kFalse, kTrue},
        {fromUtf8(scratch / "data/r?port.*"), kTrue, kFalse, kFalse},
        {fromUtf8(scratch / "data/*.doc"), kFalse, kFalse, kFalse},
        {fromUtf8(scratch / "data/inner/*"), kTrue, kFalse, kFalse},  // "." and ".." count
        {fromUtf8(scratch / "data/inner/x*"), kFalse, kFalse, kFalse},
        {fromUtf8(scratch / "missing/*"), kFalse, kFalse, kFalse},
        {fromUtf8(scratch / "data/dangling"), kTrue, kFalse, kFalse},
        {withNul(file), kFalse, kFalse, kFalse},
        {withNul(folder), kFalse, kFalse, kFalse},
        {u"/", kTrue, kFalse, kTrue},
        {u"", kFalse, kFalse, kFalse},
    };
    for (const auto& c : cases) {
        const std::string shown = platform::toUtf8(c.path);
        EXPECT_EQ(FileExistQ(c.path), c.fileExistQ) << shown;
        EXPECT_EQ(DoesFileExist(c.path), c.doesFileExist) << shown;
        EXPECT_EQ(FolderExists(c.path), c.folderExists) << shown;
    }
}

TEST_F(FileSystemHelpers, SizesAreTrueByteCountsOfReadableFiles) {
    EXPECT_EQ(GetMyFileSizeBytes(fromUtf8(file)), 1536.0);
    EXPECT_EQ(GetMyFileSize(fromUtf8(file)), u"1.50 KB");
    EXPECT_EQ(GetMyFileSize(fromUtf8(empty)), u"0 Bytes");
    for (const std::u16string& unreadable : {fromUtf8(folder), fromUtf8(scratch / "missing"), withNul(file)}) {
        EXPECT_EQ(GetMyFileSizeBytes(unreadable), -1.0);
        EXPECT_EQ(GetMyFileSize(unreadable), u"-1 Bytes");
    }

    const std::string big = scratch.file("big.img");
    std::error_code error;
    std::filesystem::resize_file(big, 3ULL << 30, error);  // sparse: no blocks are written
    if (error) {
        GTEST_SKIP() << "the temporary folder cannot hold a sparse 3 GiB file";
    }
    EXPECT_EQ(GetMyFileSizeBytes(fromUtf8(big)), 3221225472.0);
    EXPECT_EQ(GetMyFileSize(fromUtf8(big)), u"3.00 GB");
    EXPECT_EQ(DoesFileExist(fromUtf8(big)), kTrue);
}

TEST_F(FileSystemHelpers, TypeAndDisplayNameComeFromTheEntry) {
    EXPECT_EQ(GetFileType(fromUtf8(file)), u"plain text document");
    EXPECT_EQ(GetFileType(fromUtf8(folder)), u"folder");
    EXPECT_EQ(GetFileType(fromUtf8(scratch / "missing.txt")), u"");
    EXPECT_EQ(GetFileType(withNul(file)), u"File Type Error");

    EXPECT_EQ(GetFileName(fromUtf8(file)), u"report.txt");
    EXPECT_EQ(GetFileName(fromUtf8(folder) + u"/"), u"inner");
    EXPECT_EQ(GetFileName(fromUtf8(folder) + u"/.."), u"data");
    EXPECT_EQ(GetFileName(u"/"), u"/");
    EXPECT_EQ(GetFileName(fromUtf8(scratch / "missing.txt")), u"");
    EXPECT_EQ(GetFileName(withNul(file)), u"File Name Error");
}

TEST_F(FileSystemHelpers, DrivesAreTheMountsHoldingAPath) {
    const std::u16string drive = GetDriveLetter(fromUtf8(file));
    ASSERT_FALSE(drive.empty());
    EXPECT_EQ(fromUtf8(file).rfind(drive == u"/" ? drive : drive + u"/", 0), 0U);
    EXPECT_EQ(GetDriveLetter(u"/proc/self/status"), u"/proc");

    EXPECT_EQ(IsDriveWritable(fromUtf8(file)), kTrue);
    EXPECT_EQ(IsDriveWritable(fromUtf8(scratch / "not/yet/there.txt")), kTrue);
    EXPECT_EQ(IsDriveWritable(u"C:\\a\\b.txt"), kFalse);
    EXPECT_EQ(IsDriveWritable(withNul(file)), kFalse);
}

}  // namespace
}  // namespace korbit::services
