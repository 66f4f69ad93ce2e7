// Every method that opens a path, handed a named pipe that nobody writes or
// reads, where an ordinary open would wait for good and freeze the host. Each
// answers its failure result at once and the pipe stays as it was. These
// tests run under a ten-second timeout: a call that waits fails by it.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "korbit/control/korbit_control.h"
#include "korbit/control/values/type_library.h"
#include "korbit/platform/file_info.h"
#include "platform/scratch_folder.h"
#include "support/control_client.h"
#include "support/scripted_host.h"

namespace korbit::testing {
namespace {

namespace fs = std::filesystem;
using control::Array;
using control::Record;
using control::Text;
using control::Value;

bool isPipe(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISFIFO(info.st_mode);
}

std::string makePipe(const std::string& path) {
    EXPECT_EQ(::mkfifo(path.c_str(), 0644), 0) << path;
    return path;
}

class NamedPipes : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_TRUE(isPipe(pipe)) << "the pipe was replaced"; }

    static Record arrayParams(const std::string& file, bool twoDim) {
        Record r = control::makeRecord(*control::findRecord("ARRAY_PARAMS"));
        r.field("sMyArray") = Array::ofValues({Text(u"a"), Text(u"b")});
        r.field("sMyFile") = text(file);
        r.field("nRecordCount") = std::int32_t{2};
        r.field("nSecDimension") = std::int32_t{twoDim ? 1 : 0};
        return r;
    }

    ScriptedHost host;
    control::KorbitControl control{&host};
    ScratchFolder scratch;
    std::string pipe = makePipe(scratch / "pipe.txt");
    ControlCaller caller{control};
    hosting::KorbitClient client{caller};
};

TEST_F(NamedPipes, SettingsFilesAreNeitherReadNorRewritten) {
    const Text file = text(pipe);
    EXPECT_EQ(client.ProfileGetItem(u"S", u"k", file), u"");
    Array keys;
    EXPECT_EQ(client.ProfileGetSection(u"S", file, keys), u"");
    client.ProfileSaveItem(u"S", u"k", u"v", file);
    client.ProfileDeleteItem(u"S", u"k", file);
    client.ProfileDeleteSection(u"S", file);
}

TEST_F(NamedPipes, PathHelpersAnswerWithoutOpeningIt) {
    EXPECT_EQ(client.GetMyFileSize(text(pipe)), u"-1 Bytes");
    EXPECT_EQ(client.GetMyFileSizeBytes(text(pipe)), -1.0);
    EXPECT_EQ(client.GetFileType(text(pipe)), u"pipe");  // the shared MIME database's name for one
    EXPECT_EQ(client.GetFileName(text(pipe)), u"pipe.txt");
    // The desktop launcher asks for the type the same way before it starts anything.
    EXPECT_EQ(platform::mimeTypeName(pipe), "inode/fifo");

    // The folder lookups read the user's folder settings file.
    const ScopedVariable home{"HOME", scratch / "home"};
    const ScopedVariable config{"XDG_CONFIG_HOME", scratch / "home/config"};
    scratch.folder("home/Desktop");
    scratch.folder("home/config");
    const std::string settings = makePipe(scratch / "home/config/user-dirs.dirs");
    EXPECT_EQ(client.GetSpecialFolderA(control::CSIDL_DESKTOPDIRECTORY), text(scratch / "home/Desktop/"));
    EXPECT_TRUE(isPipe(settings));
}

TEST_F(NamedPipes, FileOperationsRefuseIt) {
    const std::string file = scratch.file("from/pipe.txt", 3);
    EXPECT_EQ(client.File2String(text(pipe)), u"");
    EXPECT_EQ(client.IsFileInUseQ(text(pipe)), control::FILE_IN_USE);
    EXPECT_TRUE(client.IsFileOpen(text(pipe)));
    EXPECT_FALSE(client.DestroyFileQ(text(pipe)));
    EXPECT_FALSE(client.CopyMyFile(text(pipe), text(scratch / "from")));  // from it
    EXPECT_FALSE(client.CopyMyFile(text(file), text(scratch.path())));    // onto it
    EXPECT_FALSE(client.IsProcedureAvailable(u"printf", text(pipe)));
    EXPECT_FALSE(client.IsFileEncrypted2(text(pipe)));
    EXPECT_EQ(fs::file_size(file), 3U);
}

TEST_F(NamedPipes, ArrayFilesAreNeitherReadNorWritten) {
    for (const bool twoDim : {false, true}) {
        const Record params = arrayParams(pipe, twoDim);
        Record filled = params;
        EXPECT_FALSE(twoDim ? client.FillTwoDimArrayFromFile(filled) : client.FillOneDimArrayFromFile(filled))
            << "two dimensions " << twoDim;
        EXPECT_EQ(filled, params) << "two dimensions " << twoDim << ": the record is unchanged";
    }
    EXPECT_FALSE(client.WriteOneDimArrayToFile(arrayParams(pipe, false), true));
    EXPECT_FALSE(client.WriteOneDimArrayToFile(arrayParams(pipe, false), false));
    EXPECT_FALSE(client.WriteTwoDimArrayToFile(arrayParams(pipe, true), true));
}

TEST_F(NamedPipes, BackupNeitherCopiesOneNorCopiesOntoOne) {
    scratch.file("source/a.txt", 2);
    makePipe(scratch / "source/p.txt");
    scratch.folder("target");
    const std::string target = makePipe(scratch / "target/a.txt");
    const struct timespec old[2] = {{1000000000, 0}, {1000000000, 0}};  // older than the source file
    ASSERT_EQ(::utimensat(AT_FDCWD, target.c_str(), old, 0), 0);

    Record r = control::makeRecord(*control::findRecord("BACKUP_FILE_PARAMS"));
    r.field("SourceFolder") = text(scratch / "source");
    r.field("TargetFolder") = text(scratch / "target");
    EXPECT_EQ(control.BackUpFiles(r), control::kTrue);
    EXPECT_EQ(r.field("nCount"), Value(std::int32_t{0}));
    EXPECT_TRUE(isPipe(target));
    EXPECT_FALSE(fs::exists(scratch / "target/p.txt"));
    control.BackUpFilesCLEANUP();
}

}  // namespace
}  // namespace korbit::testing
