// The korbit program run as a user runs it: a fresh process, the library
// found beside it, JSON on standard output and the exit status.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "cli/help_text.h"

namespace {

struct CommandRun {
    int status;
    std::string out;
};

class KorbitCommand : public ::testing::Test {
protected:
    void SetUp() override {
        home_ = std::filesystem::temp_directory_path() /
                ("korbit-command-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(home_);
    }
    void TearDown() override { std::filesystem::remove_all(home_); }

    // Runs korbit with `arguments` (already shell-quoted), the file `input`
    // (if any) on its standard input, and its own XDG folders.
    CommandRun korbit(const std::string& arguments, const std::string& input = "/dev/null") const {
        const std::string command = "env XDG_DATA_HOME='" + home_.string() +
                                    "/data' XDG_CONFIG_HOME='" + home_.string() + "/config' '" KORBIT_PROGRAM "' " +
                                    arguments + " <'" + input + "' 2>/dev/null";
        FILE* pipe = ::popen(command.c_str(), "r");
        CommandRun run{-1, {}};
        char buffer[4096];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            run.out.append(buffer, n);
        }
        const int raw = ::pclose(pipe);
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        return run;
    }

    std::filesystem::path home_;
};

TEST_F(KorbitCommand, CallsMethodsLateBoundAndPrintsOneJsonObject) {
    CommandRun run = korbit("call --class SHA256 SHA256 abc");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(nlohmann::json::parse(run.out)["result"],
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");

    run = korbit("call GetFilePath 'C:\\a\\b.txt'");
    ASSERT_EQ(run.status, 0) << run.out;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["result"], "C:\\a\\");
    EXPECT_EQ(json["byref"]["MyFile"], "C:\\a\\b.txt");
    EXPECT_EQ(json["boxes"], nlohmann::json::array());

    run = korbit("call BackSlashNeeded ''");
    EXPECT_EQ(nlohmann::json::parse(run.out)["result"], "/");

    run = korbit("call getspecialfoldera 26");  // names are case-insensitive
    EXPECT_EQ(nlohmann::json::parse(run.out)["result"], home_.string() + "/config/");
}

TEST_F(KorbitCommand, FailingCallsExitWithOneAndUsageErrorsWithTwo) {
    CommandRun run = korbit("call SetBytes abc");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(nlohmann::json::parse(run.out)["error"]["code"], static_cast<std::int32_t>(0x80020005U));

    run = korbit("call NoSuchMethod");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(nlohmann::json::parse(run.out).contains("error"));

    EXPECT_EQ(korbit("call").status, 2);
    EXPECT_EQ(korbit("frobnicate").status, 2);
    EXPECT_EQ(korbit("call --answer maybe GetFileExt x").status, 2);
}

TEST_F(KorbitCommand, ListsEveryMethodWithItsDispatchIdentifier) {
    const CommandRun run = korbit("methods --json");
    ASSERT_EQ(run.status, 0);
    const auto classes = nlohmann::json::parse(run.out)["classes"];
    ASSERT_EQ(classes.size(), 3U);
    EXPECT_EQ(classes[0]["members"].size(), 129U);
    EXPECT_EQ(classes[1]["class"], "SHA256");
    EXPECT_EQ(classes[2]["class"], "BinHexDecCls");
    bool found = false;
    for (const auto& m : classes[0]["members"]) {
        if (m["name"] == "EncryptionRoutine2") {
            found = true;
            EXPECT_EQ(m["dispid"], 0x6003009b);
            EXPECT_EQ(m["params"][2]["default"], "Velmora Software");
        }
    }
    EXPECT_TRUE(found);
}

TEST_F(KorbitCommand, RunsAScriptOneJsonLinePerCall) {
    const std::filesystem::path script = home_ / "calls.txt";
    std::ofstream(script) << "SetBytes 1536\n# a comment\n\nGetFileExt A.TXT\nBogus\nTrimNull 'x'\n";
    const CommandRun run = korbit("script -", script.string());
    EXPECT_EQ(run.status, 1);  // one line failed
    std::vector<nlohmann::json> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = run.out.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(nlohmann::json::parse(run.out.substr(start, end - start)));
    }
    ASSERT_EQ(lines.size(), 4U) << run.out;
    EXPECT_EQ(lines[0]["result"], "1.50 KB");
    EXPECT_EQ(lines[1]["result"], "txt");
    EXPECT_TRUE(lines[2].contains("error"));
    EXPECT_EQ(lines[3]["result"], "x");
}

// Help is asked by the first word after a command; later words of call
// belong to the method.
TEST_F(KorbitCommand, EveryCommandAnswersHelpWithItsOwnUsage) {
    for (const korbit::help::HelpCommand& command : korbit::cli::korbitHelp().commands) {
        const std::string name(command.name);
        const CommandRun run = korbit(name + " --help");
        EXPECT_EQ(run.status, 0) << name;
        EXPECT_TRUE(run.out.starts_with("Usage: korbit " + name)) << run.out;
        EXPECT_NE(run.out.find("--help"), std::string::npos) << name;
        EXPECT_EQ(korbit("help " + name).out, run.out) << name;
    }
    const CommandRun top = korbit("--help");
    EXPECT_EQ(top.status, 0);
    EXPECT_TRUE(top.out.starts_with("Usage: korbit COMMAND")) << top.out;

    const CommandRun call = korbit("call GetFileExt --help");
    ASSERT_EQ(call.status, 0) << call.out;
    EXPECT_TRUE(nlohmann::json::parse(call.out).contains("result"));
}

}  // namespace
