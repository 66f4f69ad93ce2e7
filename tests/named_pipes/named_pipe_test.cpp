// Every method that opens a path, handed a named pipe that nobody writes or
// reads, where an ordinary open would wait for good and freeze the host. Each
// answers its failure result at once and the pipe stays as it was. These
// tests run under a ten-second timeout: a call that waits fails by it.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "korbit/control/values/type_library.h"
#include "korbit/platform/file_info.h"
#include "platform/scratch_folder.h"
#include "services/method_calls.h"
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

struct Case {
    const char* method;
    std::vector<Value> args;
    Value result;
};

class NamedPipes : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_TRUE(isPipe(pipe)) << "the pipe was replaced"; }

    void expectAll(const std::vector<Case>& cases) {
        for (const Case& c : cases) {
            std::vector<Value> args = c.args;
            const control::InvokeResult r = callMethod(control, c.method, args);
            EXPECT_TRUE(r.ok()) << c.method << ": " << r.description;
            EXPECT_EQ(r.result, c.result) << c.method;
        }
    }

    static Record arrayParams(const std::string& file, bool twoDim) {
        Record r = control::makeRecord(*control::findRecord("ARRAY_PARAMS"));
        r.field("sMyArray") = Array::ofValues({Text(u"a"), Text(u"b")});
        r.field("sMyFile") = text(file).get<Text>();
        r.field("nRecordCount") = std::int32_t{2};
        r.field("nSecDimension") = std::int32_t{twoDim ? 1 : 0};
        return r;
    }

    ScriptedHost host;
    control::KorbitControl control{&host};
    ScratchFolder scratch;
    std::string pipe = makePipe(scratch / "pipe.txt");
};

TEST_F(NamedPipes, SettingsFilesAreNeitherReadNorRewritten) {
    const Value file = text(pipe);
    expectAll({
        {"ProfileGetItem", {text("S"), text("k"), file}, text("")},
        {"ProfileGetSection", {text("S"), file, Value(Array())}, text("")},
        {"ProfileSaveItem", {text("S"), text("k"), text("v"), file}, Value()},
        {"ProfileDeleteItem", {text("S"), text("k"), file}, Value()},
        {"ProfileDeleteSection", {text("S"), file}, Value()},
    });
}

TEST_F(NamedPipes, PathHelpersAnswerWithoutOpeningIt) {
    expectAll({
        {"GetMyFileSize", {text(pipe)}, text("-1 Bytes")},
        {"GetMyFileSizeBytes", {text(pipe)}, Value(-1.0)},
        {"GetFileType", {text(pipe)}, text("pipe")},  // the shared MIME database's name for one
        {"GetFileName", {text(pipe)}, text("pipe.txt")},
    });
    // The desktop launcher asks for the type the same way before it starts anything.
    EXPECT_EQ(platform::mimeTypeName(pipe), "inode/fifo");

    // The folder lookups read the user's folder settings file.
    const ScopedVariable home{"HOME", scratch / "home"};
    const ScopedVariable config{"XDG_CONFIG_HOME", scratch / "home/config"};
    scratch.folder("home/Desktop");
    scratch.folder("home/config");
    const std::string settings = makePipe(scratch / "home/config/user-dirs.dirs");
    expectAll({{"GetSpecialFolderA", {Value(std::int32_t{control::CSIDL_DESKTOPDIRECTORY})},
                text(scratch / "home/Desktop/")}});
    EXPECT_TRUE(isPipe(settings));
}

TEST_F(NamedPipes, FileOperationsRefuseIt) {
    const std::string file = scratch.file("from/pipe.txt", 3);
    expectAll({
        {"File2String", {text(pipe)}, text("")},
        {"IsFileInUseQ", {text(pipe)}, Value(std::int32_t{control::FILE_IN_USE})},
        {"IsFileOpen", {text(pipe)}, kTrueValue},
        {"DestroyFileQ", {text(pipe)}, kFalseValue},
        {"CopyMyFile", {text(pipe), text(scratch / "from")}, kFalseValue},  // from it
        {"CopyMyFile", {text(file), text(scratch.path())}, kFalseValue},    // onto it
        {"IsProcedureAvailable", {text("printf"), text(pipe)}, kFalseValue},
        {"IsFileEncrypted2", {text(pipe)}, kFalseValue},
    });
    EXPECT_EQ(fs::file_size(file), 3U);
}

TEST_F(NamedPipes, ArrayFilesAreNeitherReadNorWritten) {
    for (const char* method : {"FillOneDimArrayFromFile", "FillTwoDimArrayFromFile"}) {
        const Record params = arrayParams(pipe, method[4] == 'T');
        std::vector<Value> args{params};
        EXPECT_EQ(callMethod(control, method, args).result, kFalseValue) << method;
        EXPECT_EQ(args[0], Value(params)) << method << ": the record is unchanged";
    }
    expectAll({
        {"WriteOneDimArrayToFile", {arrayParams(pipe, false), kTrueValue}, kFalseValue},
        {"WriteOneDimArrayToFile", {arrayParams(pipe, false), kFalseValue}, kFalseValue},
        {"WriteTwoDimArrayToFile", {arrayParams(pipe, true), kTrueValue}, kFalseValue},
    });
}

TEST_F(NamedPipes, BackupNeitherCopiesOneNorCopiesOntoOne) {
    scratch.file("source/a.txt", 2);
    makePipe(scratch / "source/p.txt");
    scratch.folder("target");
    const std::string target = makePipe(scratch / "target/a.txt");
    const struct timespec old[2] = {{1000000000, 0}, {1000000000, 0}};  // older than the source file
    ASSERT_EQ(::utimensat(AT_FDCWD, target.c_str(), old, 0), 0);

    Record r = control::makeRecord(*control::findRecord("BACKUP_FILE_PARAMS"));
    r.field("SourceFolder") = text(scratch / "source").get<Text>();
    r.field("TargetFolder") = text(scratch / "target").get<Text>();
    EXPECT_EQ(control.BackUpFiles(r), control::kTrue);
    EXPECT_EQ(r.field("nCount"), Value(std::int32_t{0}));
    EXPECT_TRUE(isPipe(target));
    EXPECT_FALSE(fs::exists(scratch / "target/p.txt"));
    control.BackUpFilesCLEANUP();
}

}  // namespace
}  // namespace korbit::testing
