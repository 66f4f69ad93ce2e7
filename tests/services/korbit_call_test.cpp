// Every settings, file-operation and file-time method called through the
// korbit program, in a fresh process, on files of a folder of its own.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

namespace {

namespace fs = std::filesystem;

struct CallRun {
    int status = -1;
    nlohmann::json out;
};

class KorbitCall : public ::testing::Test {
protected:
    void SetUp() override {
        home_ = fs::temp_directory_path() / ("korbit-call-" + std::to_string(::getpid()));
        fs::remove_all(home_);
        fs::create_directories(home_ / "dir");
        std::ofstream(home_ / "a.txt") << "hello";
        std::ofstream(home_ / "dir/victim.bin") << "x";
    }
    void TearDown() override { fs::remove_all(home_); }

    // `arguments` are shell words; "@" stands for the test's folder.
    CallRun korbit(std::string arguments) const {
        for (std::size_t at = arguments.find('@'); at != std::string::npos; at = arguments.find('@', at)) {
            arguments.replace(at, 1, home_.string());
        }
        const std::string command = "cd '" + home_.string() + "' && env XDG_DATA_HOME='" + home_.string() +
                                    "/data' XDG_CONFIG_HOME='" + home_.string() + "/config' '" KORBIT_PROGRAM
                                    "' call " + arguments + " </dev/null 2>/dev/null";
        FILE* pipe = ::popen(command.c_str(), "r");
        std::string text;
        char buffer[4096];
        for (std::size_t n = 0; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            text.append(buffer, n);
        }
        const int raw = ::pclose(pipe);
        CallRun run;
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = nlohmann::json::parse(text, nullptr, false);
        return run;
    }

    fs::path home_;
};

TEST_F(KorbitCall, EveryMethodOfTheFileFamiliesAnswers) {
    const struct {
        const char* call;
        nlohmann::json result;  // null: any result
    } cases[] = {
        {"ProfileSaveItem S k v @/s.ini", nullptr},
        {"ProfileGetItem S k @/s.ini", "v"},
        {"ProfileGetSection S @/s.ini '[]'", "k"},
        {"ProfileDeleteItem S k @/s.ini", nullptr},
        {"ProfileDeleteSection S @/s.ini", nullptr},
        {"IsArrayGood '[1]'", true},
        {"FreezeControl 1 true", nullptr},
        {"IsProcedureAvailable printf libc.so.6", true},
        {"DisplayFileIcon @/a.txt 1", nullptr},
        {"BrowserLaunch '\"-not-an-address\"'", false},  // refused before anything starts
        {"CreateMyFile @/new.txt", true},
        {"File2String @/a.txt", "hello"},
        {"GetThreadUserName", nullptr},
        {"GetLocalComputerName", nullptr},
        {"IsFileOpen @/a.txt", false},
        {"IsFileInUseQ @/missing", -999},
        {"StartRunOpenFile @/missing.txt 0", nullptr},
        {"GetMyCurrentDirectory", nullptr},
        {"SetMyCurrentDirectory @/dir", true},
        {"DeleteFileOrFolderToBin @/missing", false},
        {"DeleteFileOrFolderSilentToBin @/new.txt", true},
        {"DeleteFileOrFolderSilent @/missing", false},
        {"CreateMyDIR @/made", true},
        {"MoveMyFile @/a.txt @/made", true},
        {"MoveMyFileReplaceExisting @/made/a.txt @", true},
        {"CopyMyFile @/a.txt @/made", true},
        {"DestroyFileQ @/made/a.txt", true},
        {"--answer yes DestroyAllFilesInFolder @/dir", true},
        {"BrowseForFolderQ 0 Pick", ""},
        {"GetDiskAvailSpace /", nullptr},
        {"GetDiskTotalSpace /", nullptr},
        {"GetDiskFreeSpace /", nullptr},
        {"GetMyFileAttributes @/a.txt 32", true},
        {"GetFolderCreatedDate @ x", nullptr},
        {"FileCompareCreatedDates @/a.txt @/a.txt", 0},
        {"FileCompareAccessDates @/a.txt @/missing", 1},
        {"FileCompareModDates @/a.txt @/a.txt", 0},
        {"SetFileCreatedDate @/a.txt 40000 false", false},
        {"SetFileAccessedDate @/a.txt 40000 false", true},
        {"SetFileModifiedDate @/a.txt 40000.5 false", true},
        {"SetFileTimes @/a.txt 40000 40000 40000.25", true},
        {"GetFileTimes @/a.txt 0 0 0 false", true},
    };
    for (const auto& c : cases) {
        const CallRun run = korbit(c.call);
        EXPECT_EQ(run.status, 0) << c.call << "\n" << run.out.dump();
        if (!c.result.is_null()) {
            EXPECT_EQ(run.out["result"], c.result) << c.call << "\n" << run.out.dump();
        }
    }
    EXPECT_FALSE(fs::exists(home_ / "dir/victim.bin"));
    EXPECT_TRUE(fs::exists(home_ / "data/Trash/files/new.txt"));
    EXPECT_EQ(korbit("GetFileTimes @/a.txt 0 0 0 false").out["byref"]["modified_date"], 40000.25);
}

}  // namespace
