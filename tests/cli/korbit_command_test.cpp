// The korbit program run as a user runs it: a fresh process, the library
// found beside it, JSON on standard output and the exit status.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "cli/help_text.h"
#include "korbit/engine/byte_stream.h"
#include "korbit/engine/container_stream.h"
#include "korbit/platform/file_rewrite.h"
#include "support/control_client.h"
#include "support/test_system.h"

namespace {

struct CommandRun {
    int status;
    std::string out;
    std::string err;
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
    // (if any) on its standard input, and its own XDG folders; `as` comes
    // first (setpriv, to run it as another user, or a variable).
    CommandRun korbit(const std::string& arguments, const std::string& input = "/dev/null",
                      const std::string& as = {}) const {
        return runLine(environment() + " " + as + " '" KORBIT_PROGRAM "' " + arguments + " <'" + input + "'");
    }

    // The variables korbit runs with: its own XDG folders, and English
    // messages whatever language the tests run in.
    std::string environment() const {
        return "env XDG_DATA_HOME='" + home_.string() + "/data' XDG_CONFIG_HOME='" + home_.string() +
               "/config' XDG_STATE_HOME='" + home_.string() +
               "/state' KORBIT='" KORBIT_PROGRAM "' LC_ALL= LC_MESSAGES=C";
    }

    // Runs the shell command line `line` in a session of its own, without a
    // controlling terminal (no /dev/tty), korbit's environment set and
    // $KORBIT naming the program.
    CommandRun shell(const std::string& line) const {
        const std::filesystem::path script = home_ / "command.sh";
        std::ofstream(script) << line << '\n';
        return runLine(environment() + " sh '" + script.string() + "'");
    }

    // `command` (with its redirections of standard input) in a session of
    // its own; its standard error is collected.
    CommandRun runLine(const std::string& command) const {
        const std::string line = "setsid -w " + command + " 2>'" + (home_ / "stderr.txt").string() + "'";
        FILE* pipe = ::popen(line.c_str(), "r");
        CommandRun run{-1, {}, {}};
        char buffer[4096];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            run.out.append(buffer, n);
        }
        const int raw = ::pclose(pipe);
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        std::ifstream err(home_ / "stderr.txt");
        run.err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
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
    EXPECT_EQ(nlohmann::json::parse(run.out)["result"], "");  // a missing folder is looked up, not made
    EXPECT_FALSE(std::filesystem::exists(home_ / "config"));
    std::filesystem::create_directories(home_ / "config");
    run = korbit("call GetSpecialFolderA 26");
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
    EXPECT_EQ(classes[0]["members"].size(), std::size(korbit::testing::kEveryMethod));
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

// The method reference travels with the list: every member says what it
// does, each argument what it means and whether it comes back, and the
// enumerations and records are there with their members and fields.
TEST_F(KorbitCommand, ListsTheReferenceOfEveryMemberEnumerationAndRecord) {
    const CommandRun run = korbit("methods --json");
    ASSERT_EQ(run.status, 0);
    const auto listed = nlohmann::json::parse(run.out);
    for (const auto& c : listed["classes"]) {
        for (const auto& m : c["members"]) {
            EXPECT_FALSE(m.value("summary", "").empty()) << c["class"] << " " << m["name"];
            EXPECT_TRUE(m.contains("failures")) << m["name"];
            if (c["class"] == "KorbitControl") {
                for (const auto& p : m["params"]) {
                    EXPECT_FALSE(p.value("meaning", "").empty()) << m["name"] << " " << p["name"];
                }
            }
            if (m["name"] == "GetFileTimes") {
                EXPECT_EQ(m["params"][1]["givenBack"], true);
                EXPECT_TRUE(m.value("note", "").starts_with("creation_date is the birth time")) << m["note"];
            }
        }
    }
    const auto& enumerations = listed["enumerations"];
    ASSERT_EQ(enumerations.size(), 6U);
    EXPECT_EQ(enumerations[5]["name"], "MathTypes");
    EXPECT_EQ(enumerations[5]["members"][2], (nlohmann::json{{"name", "Math_Hexidecimal"}, {"value", 2},
                                                             {"meaning", "hexadecimal: the digits 0 to 9 and A to F"}}));
    EXPECT_EQ(listed["records"][0]["fields"][0]["type"], "Boolean");

    // The readable list keeps the notes on Linux under their methods.
    const CommandRun plain = korbit("methods");
    EXPECT_NE(plain.out.find("GetFileTimes(ByVal file_name As String, creation_date As Date"), std::string::npos);
    EXPECT_NE(plain.out.find("              creation_date is the birth time"), std::string::npos);
}

// `korbit help NAME` shows the reference's entry of a method, a member of a
// class, a class, an enumeration or a record.
TEST_F(KorbitCommand, HelpShowsTheReferenceOfAMethodEnumerationOrRecord) {
    const struct {
        std::string name;
        std::vector<std::string> says;
    } cases[] = {
        {"converthexdecbinary",
         {"ConvertHexDecBinary(MyNumber, ConvertFrom, ConvertTo) As String\nA method of KorbitControl (Numbers and "
          "text), dispatch identifier 0x6003004e.\n",
          "\nArguments:\n  MyNumber (String; by reference; given back)\n      the number in the base",
          "\nResult: String. Hexadecimal", "\nFailures:\n  - Raises 13 \"Type mismatch\": a decimal MyNumber",
          "\nSee also: korbit help MathTypes.\n"}},
        {"GetFileTimes", {"\nOn Linux: creation_date is the birth time"}},
        {"CancelOps", {"\nArguments: none.\n", "\nFailures: never fails.\n"}},
        {"HexNum", {"HexNum() As String\nA member of the class BinHexDecCls"}},
        {"BinHexDecCls", {"Members (korbit help MEMBER):\n  HexNum() As String\n"}},
        {"MathTypes", {"MathTypes: an enumeration\n", "\n  Math_Binary       0  binary: the digits 0 and 1\n"}},
        {"file_params", {"FILE_PARAMS: a record\n", "\n  bRecursive            Boolean  True: also search"}},
    };
    for (const auto& c : cases) {
        const CommandRun run = korbit("help " + c.name);
        EXPECT_EQ(run.status, 0) << c.name;
        for (const std::string& says : c.says) {
            EXPECT_NE(run.out.find(says), std::string::npos) << c.name << " lacks:\n" << says << "\nin:\n" << run.out;
        }
    }
    const CommandRun unknown = korbit("help NoSuchName");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err, "korbit: no command, method, class, enumeration or record is named 'NoSuchName'\n"
                           "Try 'korbit --help'.\n");
}

// Each word is read as the argument the method declares: text stays the
// digits it was written as, an enumeration takes its members' names, a date
// ISO 8601; arguments the method gives back may be left out or null.
TEST_F(KorbitCommand, ReadsEachArgumentAsTheMethodDeclaresIt) {
    const std::string file = (home_ / "times.txt").string();
    std::ofstream(file) << "x";
    const struct {
        std::string call;
        nlohmann::json result;
        nlohmann::json byref;  // the fields to compare
    } cases[] = {
        {"ConvertHexDecBinary 255 Math_Decimal Math_Hexidecimal", "FF",
         {{"MyNumber", "FF"}, {"ConvertFrom", 1}, {"ConvertTo", 2}}},
        {"ConvertHexDecBinary 11111111 math_binary 1", "255", {{"MyNumber", "255"}}},
        {"ConvertHexDecBinary FF 2 Math_Decimal", "255", nlohmann::json::object()},
        {"CreditCardType 4111111111111111", "Visa", {{"CardNumber", "4111111111111111"}}},
        {"CreditCardType '\"4111111111111111\"'", "Visa", nlohmann::json::object()},
        {"GetFileExt true", "", {{"MyFile", "true"}}},
        {"DaysBetween2Dates 2024-01-01 2024-12-25T23:59:59", 359, nlohmann::json::object()},
        {"DaysInMonth 2024-02-10", 29, nlohmann::json::object()},
        {"DaysInMonth 45332", 29, nlohmann::json::object()},  // days since 30 December 1899 still count
        {"DateToJulian 2024-02-29T10:15:00.6", 45351, {{"MyDate", 45351.0 + 36901.0 / 86400.0}}},
        {"MaleBodyFatPercentage 180 34", 17.73, {{"LeanBodyMass", 148.08}}},
        {"GetFileTimes '" + file + "' null null null", true, nlohmann::json::object()},
    };
    for (const auto& c : cases) {
        const CommandRun run = korbit("call " + c.call);
        ASSERT_EQ(run.status, 0) << c.call << "\n" << run.out << run.err;
        const auto reply = nlohmann::json::parse(run.out);
        EXPECT_EQ(reply["result"], c.result) << c.call;
        for (const auto& [name, value] : c.byref.items()) {
            if (value.is_number_float()) {
                EXPECT_NEAR(reply["byref"][name].template get<double>(), value.template get<double>(), 1e-9)
                    << c.call << " " << name;
            } else {
                EXPECT_EQ(reply["byref"][name], value) << c.call << " " << name;
            }
        }
    }

    const struct {
        std::string call;
        std::string says;
    } refused[] = {
        {"ConvertHexDecBinary 255 Math_Octal 2",
         "'Math_Octal' is no member of MathTypes: Math_Binary 0, Math_Decimal 1, Math_Hexidecimal 2 (argument "
         "ConvertFrom)"},
        {"DaysInMonth 2023-02-29", "'2023-02-29' is no date: there is no such day or time (argument D)"},
        {"DaysInMonth 2024-02-10T25:00", "'2024-02-10T25:00' is no date: there is no such day or time (argument D)"},
        {"DaysInMonth 2024-02-10T10", "'2024-02-10T10' is no date: a time is written hh:mm or hh:mm:ss (argument D)"},
        {"DaysInMonth 2024-02-10T10:00+1", "is no date: a zone is written Z, +hh:mm, +hhmm or +hh"},
        {"DaysInMonth 2024-02-10Z1", "is no date: write yyyy-mm-dd, then optionally Thh:mm:ss and a zone"},
        {"GetFileExt", "Argument not optional: MyFile"},  // only what the method gives back may be left out
    };
    for (const auto& c : refused) {
        const CommandRun run = korbit("call " + c.call);
        EXPECT_EQ(run.status, 1) << c.call;
        const auto reply = nlohmann::json::parse(run.out);
        EXPECT_NE(reply["error"]["description"].get<std::string>().find(c.says), std::string::npos)
            << c.call << ": " << reply["error"];
    }
}

// Automation dates carry no zone: a date given with one is converted to
// local time (TZ), and --dates iso writes them back as local time.
TEST_F(KorbitCommand, TakesAndGivesIsoDatesInLocalTime) {
    const std::string file = (home_ / "dated.txt").string();
    std::ofstream(file) << "x";
    const std::string zone = "TZ=IST-05:30";  // 5 h 30 min east of UTC, no daylight saving
    const struct {
        std::string given;
        std::string local;  // what GetFileTimes reads back in local time
        std::string utc;
    } cases[] = {
        {"2024-02-29T10:15:00", "2024-02-29T10:15:00", "2024-02-29T04:45:00"},
        {"2024-02-29T10:15:00Z", "2024-02-29T15:45:00", "2024-02-29T10:15:00"},
        {"2024-02-29t10:15:00.5z", "2024-02-29T15:45:01", "2024-02-29T10:15:01"},
        {"'2024-02-29 10:15:00+01:00'", "2024-02-29T14:45:00", "2024-02-29T09:15:00"},
        {"2024-02-29T23:00-0300", "2024-03-01T07:30:00", "2024-03-01T02:00:00"},
        {"2024-02-29", "2024-02-29T00:00:00", "2024-02-28T18:30:00"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(korbit("call SetFileModifiedDate '" + file + "' " + c.given + " true", "/dev/null", zone).status, 0)
            << c.given;
        CommandRun run = korbit("call --dates iso GetFileTimes '" + file + "'", "/dev/null", zone);
        ASSERT_EQ(run.status, 0) << run.out;
        EXPECT_EQ(nlohmann::json::parse(run.out)["byref"]["modified_date"], c.local) << c.given;
        run = korbit("call --dates iso GetFileTimes '" + file + "' null null null false", "/dev/null", zone);
        EXPECT_EQ(nlohmann::json::parse(run.out)["byref"]["modified_date"], c.utc) << c.given;
    }
    const CommandRun days = korbit("call --dates days GetFileTimes '" + file + "'", "/dev/null", zone);
    EXPECT_TRUE(nlohmann::json::parse(days.out)["byref"]["modified_date"].is_number());
    EXPECT_EQ(korbit("call --dates utc GetFileTimes x").status, 2);
}

// What a method reports through the host is the call's failure: in the
// reply, in the exit status, line by line in a script.
TEST_F(KorbitCommand, AFailureTheMethodReportsIsInTheReplyAndTheStatus) {
    const std::string missing = (home_ / "missing" / "settings.ini").string();
    const CommandRun run = korbit("call ProfileSaveItem Section key value '" + missing + "'");
    EXPECT_EQ(run.status, 1);
    const auto reply = nlohmann::json::parse(run.out);
    EXPECT_TRUE(reply["result"].is_null());
    ASSERT_EQ(reply["failures"].size(), 1U) << reply;
    EXPECT_EQ(reply["failures"][0]["method"], "ProfileSaveItem");
    EXPECT_NE(reply["failures"][0]["description"].get<std::string>().find("missing"), std::string::npos);
    EXPECT_EQ(run.err, "");

    const std::string ini = (home_ / "settings.ini").string();
    const std::filesystem::path script = home_ / "settings.txt";
    std::ofstream(script) << "ProfileSaveItem S k 1 '" << ini << "'\n"
                          << "ProfileSaveItem S k 2 '" << missing << "'\n"
                          << "ProfileGetItem S k '" << ini << "'\n";
    const CommandRun lines = korbit("script '" + script.string() + "'");
    EXPECT_EQ(lines.status, 1);
    std::istringstream out(lines.out);
    std::vector<nlohmann::json> replies;
    for (std::string line; std::getline(out, line);) {
        replies.push_back(nlohmann::json::parse(line));
    }
    ASSERT_EQ(replies.size(), 3U);
    EXPECT_EQ(replies[0]["failures"], nlohmann::json::array());
    EXPECT_EQ(replies[1]["failures"][0]["method"], "ProfileSaveItem");
    EXPECT_EQ(replies[2]["result"], "1");
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

TEST_F(KorbitCommand, RefusesArgumentsNestedTooDeeplyInsteadOfOverflowingItsStack) {
    const std::string deep = std::string(60000, '[') + std::string(60000, ']');
    const std::string fine = std::string(256, '[') + "1" + std::string(256, ']');
    EXPECT_EQ(korbit("call IsInArray2 1 '" + deep + "'").status, 2);
    EXPECT_EQ(korbit("call TrimNull '\"" + deep + "\"'").status, 0);  // brackets inside a text are text
    EXPECT_NE(korbit("call IsInArray2 1 '" + fine + "'").status, 2);

    const std::filesystem::path script = home_ / "deep.txt";
    std::ofstream(script) << "IsInArray2 1 " << deep << "\nSetBytes 1536\n";
    const CommandRun run = korbit("script -", script.string());
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.out.find("256 levels"), std::string::npos);
    EXPECT_NE(run.out.find("1.50 KB"), std::string::npos);  // the next line still ran
}

// Writes `text` to a file in the scratch home and returns its path.
std::string fileWith(const std::filesystem::path& folder, const std::string& name, const std::string& text) {
    const std::filesystem::path path = folder / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
}

std::string contentOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(KorbitCommand, EncryptTakesSixToTwentySixCharactersAndDecryptAnyLongerOne) {
    const std::string plain = "a file encrypted from the command line\n";
    const std::string key = "\xF0\x9F\x94\x91";  // one character, two 16-bit units
    struct Case {
        std::string password;
        int status;
        std::string message;  // on standard error
    };
    const Case cases[] = {
        {"abcde", 1, "korbit: Passwords must be 6 or more characters!\n"},
        {key + key + key, 1, "korbit: Passwords must be 6 or more characters!\n"},
        {std::string(27, 'p'), 1, "korbit: Passwords must be 26 or fewer characters!\n"},
        {std::string(26, 'p'), 0, ""},
        {key + key + key + key + key + key, 0, "korbit: warning: This password holds characters beyond U+00FF."},
    };
    for (const Case& c : cases) {
        const std::string file = fileWith(home_, "plain.txt", plain);
        const std::string input = fileWith(home_, "password.txt", c.password + "\n");
        const CommandRun run = korbit("encrypt --password-stdin --quiet '" + file + "'", input);
        EXPECT_EQ(run.status, c.status) << c.password;
        EXPECT_TRUE(c.message.empty() ? run.err.empty() : run.err.starts_with(c.message)) << run.err;
        EXPECT_EQ(contentOf(file).starts_with("xjeS"), c.status == 0) << c.password;
        std::filesystem::permissions(file, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
        std::filesystem::remove(file);
    }

    // A container made with a longer password elsewhere still opens.
    const std::string file = fileWith(home_, "long.txt", plain);
    const std::string longPassword(40, 'L');
    ASSERT_EQ(korbit("call EncryptionRoutine2 '" + file + "' " + longPassword + " korbit").status, 0);
    ASSERT_TRUE(contentOf(file).starts_with("xjeS"));
    const CommandRun run =
        korbit("decrypt --password-stdin '" + file + "'", fileWith(home_, "long-password.txt", longPassword + "\n"));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(contentOf(file), plain);
}

TEST_F(KorbitCommand, EveryMessageOnStandardErrorStartsWithTheProgramsName) {
    const std::string file = fileWith(home_, "report.txt", "quarterly figures\n");
    const std::string right = fileWith(home_, "right.txt", "right password\n");
    ASSERT_EQ(korbit("encrypt --password-stdin '" + file + "'", right).status, 0);
    const std::string container = contentOf(file);

    struct Case {
        std::string arguments;
        std::string input;
        int status;
        std::string says;
    };
    const Case cases[] = {
        {"encrypt --answer maybe '" + file + "'", "/dev/null", 2,
         "korbit: --answer takes ok, yes, no or cancel, not 'maybe'"},
        {"call --answer maybe GetFileExt x", "/dev/null", 2, "korbit: --answer takes ok, yes, no or cancel, not 'maybe'"},
        {"decrypt --answer", "/dev/null", 2, "korbit: --answer needs a value"},
        {"decrypt --password-stdin '" + file + "'", fileWith(home_, "wrong.txt", "wrong password\n"), 1,
         "korbit: Invalid Password!!!\n"},
        {"decrypt --password-stdin '" + file + "'",
         fileWith(home_, "wide.txt", "\xD1\x84\xD1\x84\xD1\x84\xD1\x84\xD1\x84\xD1\x84\n"), 1,
         "korbit: warning: This password holds characters beyond U+00FF."},
        {"decrypt --password-stdin '" + file + "'", right, 0, "korbit: " + file + ": decrypted\n"},
    };
    for (const Case& c : cases) {
        const CommandRun run = korbit(c.arguments, c.input);
        EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.err;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << c.arguments << "\n" << run.err;
        std::size_t start = 0;
        for (std::size_t end; (end = run.err.find('\n', start)) != std::string::npos; start = end + 1) {
            const std::string line = run.err.substr(start, end - start);
            EXPECT_TRUE(line.starts_with("korbit: ") || line == "Try 'korbit --help'.") << line;
        }
    }
    EXPECT_EQ(contentOf(file), "quarterly figures\n");
    EXPECT_NE(container, contentOf(file));
}

// Entries that runs leave beside files or in the user's folders.
std::vector<std::string> leftoversBelow(const std::filesystem::path& root) {
    std::vector<std::string> found;
    for (const auto& e : std::filesystem::recursive_directory_iterator(root)) {
        if (e.path().filename().string().find(".korbit-") != std::string::npos) {
            found.push_back(e.path().string());
        }
    }
    return found;
}

// A file that cannot be encrypted by this user is refused before a password
// is read, with the reason in words, and nothing is left behind.
TEST_F(KorbitCommand, ARunThatCannotSucceedIsRefusedBeforeThePasswordIsRead) {
    std::string as;  // another user where root would pass every permission check
    if (::geteuid() == 0) {
        as = "setpriv --reuid=65534 --regid=65534 --clear-groups";
        if (std::system((as + " test -x '" KORBIT_PROGRAM "'").c_str()) != 0) {
            GTEST_SKIP() << "an unprivileged user cannot reach " KORBIT_PROGRAM;
        }
        EXPECT_EQ(::chown(home_.c_str(), 65534, 65534), 0);  // the other user's home
    }
    const std::string folder = (home_ / "folder").string();
    std::filesystem::create_directories(folder);
    const std::string othersFile = fileWith(home_, "root.txt", "root's");  // in a folder of the user's own
    if (!as.empty()) {
        EXPECT_EQ(::chown(folder.c_str(), 65534, 65534), 0);
    }
    struct Case {
        std::string file;
        bool asAnotherUser;
        std::string says;
    };
    std::vector<Case> cases = {
        {folder, false, folder + " is a folder: only files can be encrypted."},
        {"/proc/self/status", false,
         "/proc/self/status is an interface of the system's kernel (proc), not a file on a disk: it cannot be "
         "encrypted."},
    };
    if (!as.empty()) {
        cases.push_back({othersFile, true,
                         "You cannot change " + othersFile + ": it belongs to root and you may not write to it."});
        if (std::filesystem::exists("/etc/hostname")) {
            cases.push_back({"/etc/hostname", true,
                             "You cannot change /etc/hostname: it belongs to root and you may not write to it."});
        }
        if (std::filesystem::exists("/sys/kernel/mm/transparent_hugepage/enabled")) {
            cases.push_back({"/sys/kernel/mm/transparent_hugepage/enabled", false,
                             "/sys/kernel/mm/transparent_hugepage/enabled is an interface of the system's kernel "
                             "(sysfs), not a file on a disk: it cannot be encrypted."});
        }
        EXPECT_EQ(::chown(othersFile.c_str(), 0, 0), 0);
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string before = c.asAnotherUser ? contentOf(c.file) : "";
        const CommandRun run = korbit("encrypt '" + c.file + "'", "/dev/null", c.asAnotherUser ? as : "");
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "korbit: " + c.says + "\n");  // no password was asked for or read
        if (c.asAnotherUser) {
            EXPECT_EQ(contentOf(c.file), before);
        }
    }
    EXPECT_EQ(leftoversBelow(home_), std::vector<std::string>{});
}

// `korbit encrypt` on a file whose copy-back into it was cut off finishes
// that copy first, whatever the half-written file looks like.
TEST_F(KorbitCommand, EncryptFinishesAnInterruptedEncryptionFirst) {
    const std::string state = (home_ / "state").string();
    ::setenv("XDG_STATE_HOME", state.c_str(), 1);  // this process makes the record the command reads
    const std::string plain(std::size_t{3} << 20, 'p');
    const std::string file = fileWith(home_, "diary.txt", plain);
    ASSERT_EQ(::link(file.c_str(), (file + ".second").c_str()), 0);  // rewritten in place
    korbit::engine::ContainerHeader header;
    header.PlainExtension = ".txt";
    header.Seed = 3000000;
    const std::vector<std::uint8_t> plainBytes(plain.begin(), plain.end());
    korbit::engine::MemorySource source(plainBytes);
    korbit::engine::MemorySink container;
    ASSERT_TRUE(korbit::engine::writeContainer(source, container, header, u"correct horse"));
    {
        korbit::testing::TestSystem system;
        int pieces = 0;
        system.onRewriteStep = [&](korbit::platform::RewriteStep at) {
            return at == korbit::platform::RewriteStep::kCopyingBack && ++pieces == 2 ? ENOSPC : 0;
        };
        auto rewrite = korbit::platform::FileRewrite::open(file, "", system);
        ASSERT_TRUE(rewrite);
        ASSERT_TRUE(rewrite.value()->write(container.bytes()));
        EXPECT_FALSE(rewrite.value()->commit(0444));
    }
    ::unsetenv("XDG_STATE_HOME");
    ASSERT_TRUE(contentOf(file).starts_with("xjeS"));  // half-written: it looks encrypted already

    const CommandRun run = korbit("encrypt --password-stdin '" + file + "'", fileWith(home_, "pw", "correct horse\n"));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("An interrupted encryption of diary.txt was completed from its complete copy."),
              std::string::npos)
        << run.err;
    EXPECT_EQ(contentOf(file), std::string(container.bytes().begin(), container.bytes().end()));
    EXPECT_EQ(leftoversBelow(home_), std::vector<std::string>{});
}

// Names are bytes: every name the system allows is encrypted and decrypted,
// and messages show the bytes that are no UTF-8 as \xE9.
TEST_F(KorbitCommand, EncryptsAndDecryptsFilesWhateverTheBytesOfTheirNames) {
    const struct {
        std::string name;
        std::string shown;  // in the messages
    } cases[] = {
        {"caf\xE9.txt", "caf\\xE9.txt"},                                // Latin-1
        {"r\xE9sum\xE9.d\xE9j\xE0", "r\\xE9sum\\xE9.d\\xE9j\\xE0"},         // in the extension too
        {"cut\xE2\x82.txt", "cut\\xE2\\x82.txt"},                          // a sequence cut short
        {"\xED\xB3\xA9.txt", "\\xED\\xB3\\xA9.txt"},                          // an escape's own bytes
        {"\xFF\xFE", "\\xFF\\xFE"},                                          // nothing but bytes
        {"caf\xC3\xA9.txt", "caf\xC3\xA9.txt"},                              // UTF-8, for comparison
    };
    const std::string password = fileWith(home_, "password.txt", "pw123456\n");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        const std::string file = fileWith(home_, c.name, "the plain text\n");
        CommandRun run = korbit("encrypt --password-stdin '" + file + "'", password);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "korbit: " + home_.string() + "/" + c.shown + ": encrypted\n");
        EXPECT_TRUE(contentOf(file).starts_with("xjeS"));
        run = korbit("decrypt --password-stdin '" + file + "'", password);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(contentOf(file), "the plain text\n");
        std::filesystem::remove(file);
    }

    // The first-generation routine names its files after the plain file. The
    // container's extension field is single-byte text (Windows-1252): a byte
    // that is no UTF-8 is stored as itself, and on decryption the extension
    // comes back as the characters those bytes are in that code page.
    const std::string plain = fileWith(home_, "r\xE9sum\xE9.d\xE9j\xE0", "the plain text\n");
    const std::string container = home_.string() + "/r\xE9sum\xE9.xje";
    ASSERT_EQ(korbit("call EncryptionRoutine '" + plain + "' pw123456 true").status, 0);
    ASSERT_TRUE(std::filesystem::exists(container));
    EXPECT_FALSE(std::filesystem::exists(plain));
    EXPECT_EQ(contentOf(container).substr(0, 11), std::string("xjeS\x05\x00.d\xE9j\xE0", 11));
    ASSERT_EQ(korbit("call EncryptionRoutine '" + container + "' pw123456 true").status, 0);
    EXPECT_EQ(contentOf(home_.string() + "/r\xE9sum\xE9.d\xC3\xA9j\xC3\xA0"), "the plain text\n");
}

// korbit's own lines and its help in its user's language; what a script
// reads, and the help in English, as ever.
TEST_F(KorbitCommand, SaysItsOwnLinesInItsUsersLanguageAndRepliesInJsonAsEver) {
    const struct {
        std::string lang;
        std::string encrypted;  // after "korbit: FILE"
        std::string usage;
        std::string help;         // how --help starts
        std::string helpOption;   // the last line of a command's help
    } cases[] = {
        {"LANG=de_DE.UTF-8", ": verschl\u00fcsselt\n",
         "korbit: encrypt braucht mindestens eine Datei (FILE)\nMehr dazu: 'korbit --help'.\n",
         "Aufruf: korbit COMMAND [OPTIONS] [ARGUMENT]...\n\nDateien mit einem Passwort ver- und entschl\u00fcsseln und "
         "die Korbit-Komponente\naufrufen\n",
         "  -h, --help              zeigt diesen Text\n"},
        {"LANG=fr_FR.UTF-8", "\u00a0: chiffr\u00e9\n",
         "korbit: encrypt demande au moins un fichier (FILE)\nVoir 'korbit --help'.\n",
         "Utilisation\u00a0: korbit COMMAND [OPTIONS] [ARGUMENT]...\n\nchiffrer et d\u00e9chiffrer des fichiers avec "
         "un mot de passe, et appeler le\ncomposant Korbit\n",
         "  -h, --help              affiche ce texte\n"},
        {"LC_MESSAGES=es_ES.UTF-8 LANG=de_DE.UTF-8", ": cifrado\n",
         "korbit: encrypt necesita al menos un archivo (FILE)\nConsulte 'korbit --help'.\n",
         "Uso: korbit COMMAND [OPTIONS] [ARGUMENT]...\n\ncifrar y descifrar archivos con una contrase\u00f1a, y llamar "
         "al componente Korbit\n",
         "  -h, --help              muestra este texto\n"},
        {"LANG=en_GB.UTF-8", ": encrypted\n", "korbit: encrypt needs at least one FILE\nTry 'korbit --help'.\n",
         "Usage: korbit COMMAND [OPTIONS] [ARGUMENT]...\n\nencrypt and decrypt files with a password, and call the "
         "Korbit control library\n",
         "  -h, --help              show this text\n"},
    };
    // The help is the manual page's English text, byte for byte, where no
    // translation applies.
    const std::string englishHelp = korbit::help::helpText(korbit::cli::korbitHelp());
    EXPECT_EQ(korbit("--help", "/dev/null", "LC_MESSAGES= LANG=C").out, englishHelp);
    EXPECT_EQ(korbit("--help", "/dev/null", "LC_MESSAGES= LANG=").out, englishHelp);
    const std::string english = korbit("call GetFileExt a.TXT").out;
    ASSERT_NE(english.find("\"result\":\"txt\""), std::string::npos) << english;
    for (const auto& c : cases) {
        const std::string lang = "LC_MESSAGES= " + c.lang;
        const std::string file = fileWith(home_, "notes.txt", "notes\n");
        const CommandRun run =
            korbit("encrypt --password-stdin '" + file + "'", fileWith(home_, "pw.txt", "correct horse\n"), lang);
        EXPECT_EQ(run.status, 0) << c.lang;
        EXPECT_EQ(run.err, "korbit: " + file + c.encrypted) << c.lang;
        EXPECT_TRUE(contentOf(file).starts_with("xjeS")) << c.lang;
        const CommandRun usage = korbit("encrypt", "/dev/null", lang);
        EXPECT_EQ(usage.status, 2) << c.lang;
        EXPECT_EQ(usage.err, c.usage) << c.lang;
        EXPECT_EQ(korbit("call GetFileExt a.TXT", "/dev/null", lang).out, english) << c.lang;
        const std::string help = korbit("--help", "/dev/null", lang).out;
        EXPECT_TRUE(help.starts_with(c.help)) << help;
        EXPECT_TRUE(korbit("help encrypt", "/dev/null", lang).out.ends_with(c.helpOption)) << c.lang;
        std::filesystem::permissions(file, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
        std::filesystem::remove(file);
    }
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

// A password given with --secret comes from standard input or another
// descriptor, never from the command line, and is never printed.
TEST_F(KorbitCommand, ReadsASecretArgumentFromAnInputAndNeverPrintsIt) {
    const std::string file = fileWith(home_, "diary.txt", "dear diary\n");
    const std::string password = fileWith(home_, "password.txt", "correct horse\n");
    CommandRun run = korbit("call --secret MyPassword EncryptionRoutine2 '" + file + "' korbit", password);
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(run.out.find("correct horse"), std::string::npos) << run.out;
    EXPECT_EQ(nlohmann::json::parse(run.out)["byref"], (nlohmann::json{{"InFileName", file}, {"MyApplicationName", "korbit"}}));
    EXPECT_TRUE(contentOf(file).starts_with("xjeS"));

    run = korbit("call --secret-fd 3 --secret mypassword EncryptionRoutine2 '" + file + "' 3<'" + password + "'");
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(contentOf(file), "dear diary\n");

    // A script reads one line per secret, from standard input when the
    // script is a file.
    const std::filesystem::path script = home_ / "twice.txt";
    std::ofstream(script) << "--secret MyPassword EncryptionRoutine2 '" << file << "'\n"
                          << "--secret MyPassword EncryptionRoutine2 '" << file << "'\n";
    run = korbit("script '" + script.string() + "'", fileWith(home_, "two.txt", "first one\nfirst one\n"));
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.find("first one"), std::string::npos) << run.out;
    EXPECT_EQ(contentOf(file), "dear diary\n");

    const struct {
        std::string arguments;
        std::string input;
        std::string says;
    } refused[] = {
        {"call --secret MyPassword EncryptionRoutine2 '" + file + "'", "/dev/null",
         "korbit: no line left on standard input for the argument MyPassword\n"},
        {"call --secret-fd 9 --secret MyPassword EncryptionRoutine2 x", "/dev/null",
         "korbit: --secret-fd takes the number of an open file descriptor, not '9'\n"},
        {"script --secret-fd 0 -", script.string(), "korbit: standard input carries the script"},
    };
    for (const auto& c : refused) {
        run = korbit(c.arguments, c.input);
        EXPECT_EQ(run.status, 2) << c.arguments;
        EXPECT_TRUE(run.err.starts_with(c.says)) << run.err;
    }
    run = korbit("script -", script.string());  // no input left for the secrets
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.out.find("give --secret-fd N"), std::string::npos) << run.out;
}

}  // namespace

namespace {

// Names in `folder` of files a run writes beside its target before renaming
// them into place (".NAME.new-XXXXXX").
std::vector<std::string> unfinishedIn(const std::filesystem::path& folder) {
    std::vector<std::string> found;
    for (const auto& e : std::filesystem::directory_iterator(folder)) {
        if (e.path().filename().string().find(".new-") != std::string::npos) {
            found.push_back(e.path().filename().string());
        }
    }
    return found;
}

}  // namespace

// The password comes from the terminal or from exactly one of three options;
// with no terminal and no option the command says so and ends with status 2.
TEST_F(KorbitCommand, TakesThePasswordFromOneSourceAndSaysWhenThereIsNone) {
    const std::string file = fileWith(home_, "diary.txt", "a diary\n");
    const std::string pw = fileWith(home_, "pw.txt", "k7Qm-x9Pe-2Lrz-W4hn\n");
    struct Case {
        std::string arguments;
        std::string input;
        int status;
        std::string says;  // on standard error, "" for nothing at all
        bool encrypted;    // afterwards
    };
    const Case cases[] = {
        {"encrypt '" + file + "'", pw, 2,
         "korbit: no password: there is no terminal to ask at; give --password-stdin, --password-file FILE or "
         "--password-fd N\nTry 'korbit --help'.\n",
         false},
        {"encrypt --password-stdin --password-file '" + pw + "' '" + file + "'", "/dev/null", 2,
         "korbit: give one of --password-stdin, --password-file and --password-fd\n", false},
        {"encrypt --password-stdin -o '" + home_.string() + "/x.xje' -", pw, 2,
         "korbit: standard input carries the data: give --password-file FILE or --password-fd N", false},
        {"encrypt --password-fd 9 '" + file + "'", "/dev/null", 2,
         "korbit: --password-fd takes the number of an open file descriptor, not '9'\n", false},
        {"encrypt --password-file '" + home_.string() + "/none' '" + file + "'", "/dev/null", 1,
         "korbit: " + home_.string() + "/none: No such file or directory\n", false},
        {"encrypt --quiet --password-file '" + pw + "' '" + file + "'", "/dev/null", 0, "", true},
        {"decrypt --quiet --password-fd 3 '" + file + "' 3<'" + pw + "'", "/dev/null", 0, "", false},
        {"encrypt --quiet --password-stdin '" + file + "'", pw, 0, "", true},
    };
    for (const Case& c : cases) {
        const CommandRun run = korbit(c.arguments, c.input);
        EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.err;
        EXPECT_TRUE(c.says.empty() ? run.err.empty() : run.err.find(c.says) != std::string::npos)
            << c.arguments << "\n" << run.err;
        EXPECT_EQ(contentOf(file).starts_with("xjeS"), c.encrypted) << c.arguments;
    }
}

// -o OUT writes OUT and nothing else: never over an OUT that exists unless
// --force, through a temporary file beside it that a failure removes, and a
// link at OUT is replaced rather than followed.
TEST_F(KorbitCommand, WritesToOutAndKeepsTheOriginal) {
    const std::string plain = "the original stays as it is\n";
    const std::string h = home_.string() + "/";
    const std::string file = fileWith(home_, "report.txt", plain);
    const std::string password = " --password-file '" + fileWith(home_, "pw.txt", "k7Qm-x9Pe-2Lrz-W4hn\n") + "' ";
    const std::string wrong = " --password-file '" + fileWith(home_, "wrong.txt", "not the password\n") + "' ";
    std::filesystem::create_directories(home_ / "elsewhere");
    const std::string target = fileWith(home_ / "elsewhere", "target.txt", "not to be touched\n");
    std::filesystem::create_symlink(target, home_ / "link.txt");
    const std::string container = h + "report.txt.xje";
    struct Case {
        std::string arguments;
        int status;
        std::string says;
    };
    const Case cases[] = {
        {"encrypt" + password + "-o '" + container + "' '" + file + "'", 0,
         "korbit: " + file + ": encrypted to " + container + "\n"},
        {"encrypt" + password + "-o '" + container + "' '" + file + "'", 1,
         "korbit: " + container + " exists: give --force to replace it.\n"},
        {"decrypt" + wrong + "-o '" + h + "back.txt' '" + container + "'", 1, "korbit: Invalid Password!!!\n"},
        {"decrypt" + password + "-o '" + h + "back.txt' '" + container + "'", 0,  // the failure left no back.txt
         "korbit: " + container + ": decrypted to " + h + "back.txt\n"},
        {"decrypt" + password + "-o '" + h + "link.txt' '" + container + "'", 1, "link.txt exists: give --force"},
        {"decrypt" + password + "--force -o '" + h + "link.txt' '" + container + "'", 0, ": decrypted to"},
        {"decrypt" + password + "--force -o '" + h + "elsewhere' '" + container + "'", 1,
         "korbit: " + h + "elsewhere is a folder: give the name of a file to write.\n"},
        {"encrypt" + password + "-o '" + h + "no/such/x.xje' '" + file + "'", 1, "korbit: " + h + "no/such"},
        {"encrypt" + password + "-o '" + h + "x.xje' '" + file + "' '" + file + "'", 2, "korbit: -o takes one FILE\n"},
        {"encrypt" + password + "--force '" + file + "'", 2, "korbit: --force goes with -o OUT\n"},
        {"encrypt" + password + "-o '" + h + "again.xje' '" + container + "'", 1,
         "korbit: " + container + ": encrypted already; use 'korbit decrypt'\n"},
    };
    for (const Case& c : cases) {
        const CommandRun run = korbit(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.err;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << c.arguments << "\n" << run.err;
    }
    EXPECT_EQ(contentOf(file), plain);
    EXPECT_EQ(contentOf(h + "back.txt"), plain);
    EXPECT_FALSE(std::filesystem::is_symlink(home_ / "link.txt"));
    EXPECT_EQ(contentOf(h + "link.txt"), plain);
    EXPECT_EQ(contentOf(target), "not to be touched\n");
    EXPECT_EQ(unfinishedIn(home_), std::vector<std::string>{});
    // The container is the one the in-place routine makes of the file: its
    // extension, the attribute word archive (32); and it decrypts in place.
    EXPECT_EQ(contentOf(container).substr(0, 12), std::string("xjeS\x04\x00.txt\x20\x00", 12));
    ASSERT_EQ(korbit("decrypt --quiet" + password + "'" + container + "'").status, 0);
    EXPECT_EQ(contentOf(container), plain);
}

// `-` reads standard input and `-o -` (the default with `-`) writes standard
// output, so that korbit sits in a pipe. The container of a stream stores the
// extension "." and the attribute word 0, and opens like any other.
TEST_F(KorbitCommand, EncryptsAndDecryptsInAPipe) {
    const std::string h = home_.string() + "/";
    std::filesystem::create_directories(home_ / "dir" / "sub");
    std::filesystem::create_directories(home_ / "out");
    fileWith(home_ / "dir", "a.txt", "first\n");
    std::string binary(200000, '\0');
    for (std::size_t i = 0; i < binary.size(); ++i) {
        binary[i] = static_cast<char>(i * 7 % 251);
    }
    fileWith(home_ / "dir" / "sub", "b.bin", binary);
    fileWith(home_, "pw.txt", "k7Qm-x9Pe-2Lrz-W4hn\n");
    const std::string steps[] = {
        "tar c dir | \"$KORBIT\" encrypt --password-file pw.txt -o dir.tar.xje -",
        "\"$KORBIT\" decrypt --password-file pw.txt -o - dir.tar.xje | tar x -C out",
        "\"$KORBIT\" encrypt --password-file pw.txt - <dir/a.txt >a.xje",
        "\"$KORBIT\" decrypt --quiet --password-file pw.txt - <a.xje >a.back",
    };
    for (const std::string& step : steps) {
        const CommandRun run = shell("cd '" + h + "' && " + step);
        EXPECT_EQ(run.status, 0) << step << "\n" << run.err;
    }
    // Beyond the format's 64 GiB nothing is written; a file given with "<" is
    // refused before it is read.
    std::filesystem::resize_file(fileWith(home_, "huge", ""), (std::uint64_t{64} << 30) + 1);
    const CommandRun huge = shell("cd '" + h + "' && \"$KORBIT\" encrypt --password-file pw.txt -o huge.xje - <huge");
    EXPECT_EQ(huge.status, 1);
    EXPECT_EQ(huge.err, "korbit: standard input: This file is too large to encrypt: 64 GB at most.\n");
    EXPECT_FALSE(std::filesystem::exists(home_ / "huge.xje"));
    EXPECT_EQ(unfinishedIn(home_), std::vector<std::string>{});
    EXPECT_EQ(contentOf(h + "out/dir/a.txt"), "first\n");
    EXPECT_EQ(contentOf(h + "out/dir/sub/b.bin"), binary);
    EXPECT_EQ(contentOf(h + "a.back"), "first\n");
    EXPECT_EQ(contentOf(h + "dir.tar.xje").substr(0, 9), std::string("xjeS\x01\x00.\x00\x00", 9));
    ASSERT_EQ(korbit("decrypt --quiet --password-file '" + h + "pw.txt' '" + h + "a.xje'").status, 0);
    EXPECT_EQ(contentOf(h + "a.xje"), "first\n");
}

// Ctrl-C while a stream goes through: status 130, and the OUT that was being
// written is removed.
TEST_F(KorbitCommand, AnInterruptedStreamLeavesNoOutput) {
    const std::string pw = fileWith(home_, "pw.txt", "k7Qm-x9Pe-2Lrz-W4hn\n");
    const std::string out = (home_ / "stream.xje").string();
    const std::string err = (home_ / "stderr.txt").string();
    int in[2];
    ASSERT_EQ(::pipe(in), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(in[0], STDIN_FILENO);
        ::close(in[0]);
        ::close(in[1]);
        ::dup2(::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDERR_FILENO);
        ::setsid();
        ::unsetenv("LC_ALL");
        ::setenv("LC_MESSAGES", "C", 1);  // English messages, as environment() gives
        ::execl(KORBIT_PROGRAM, KORBIT_PROGRAM, "encrypt", "--password-file", pw.c_str(), "-o", out.c_str(), "-",
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(in[0]);
    // Written whole only once korbit has read most of it: it is in its run.
    const std::string data(std::size_t{4} << 20, 'd');
    ::signal(SIGPIPE, SIG_IGN);
    EXPECT_EQ(::write(in[1], data.data(), data.size()), static_cast<ssize_t>(data.size()));
    ::kill(pid, SIGINT);
    // It ends with the pipe still open: the signal, not the end of the data.
    int status = 0;
    pid_t ended = 0;
    for (int i = 0; i < 2000 && ended == 0; ++i) {
        ended = ::waitpid(pid, &status, WNOHANG);
        ::usleep(10000);
    }
    ::close(in[1]);
    if (ended == 0) {
        ::waitpid(pid, &status, 0);
        ADD_FAILURE() << "korbit went on reading after Ctrl-C";
    }
    ASSERT_TRUE(WIFEXITED(status)) << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 130);
    EXPECT_EQ(contentOf(err), "korbit: standard input: cancelled; " + out + " was not written\n");
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(unfinishedIn(home_), std::vector<std::string>{});
}

// At a terminal (/dev/tty, whatever standard input carries): a password too
// short or not typed the same twice is asked again, three tries in all; a
// weak one is named; Ctrl-C ends with 130 and the file as it was; the
// progress line fits the terminal.
TEST_F(KorbitCommand, AtATerminalAsksAgainWarnsAndStopsOnCtrlC) {
    const std::string plain = "a diary\n";
    const std::string file = fileWith(home_, "diary.txt", plain);
    const std::string pw = fileWith(home_, "pw.txt", "k7Qm-x9Pe-2Lrz-W4hn\n");
    const std::string good = "k7Qm-x9Pe-2Lrz-W4hn\\n";
    const std::string folder = (home_ / "a folder with a rather long name, for the progress line").string();
    std::filesystem::create_directories(folder);
    const std::string big = folder + "/and a long file name as well.bin";
    std::filesystem::resize_file(fileWith(folder, "and a long file name as well.bin", ""), std::size_t{256} << 20);
    const std::string korbitProgram = "'" KORBIT_PROGRAM "'";
    struct Case {
        std::string what;
        std::vector<std::string> steps;  // text to wait for, then what to type
        std::string command;
        int status;
        std::vector<std::string> shows;
        bool encrypted;  // `file`, afterwards
    };
    const Case cases[] = {
        {"asked again",
         {"Password: ", "abc\\n", "Password: ", good, "again: ", "k7Qm-x9Pe-2Lrz-W4hm\\n", "Password: ", good,
          "again: ", good},
         korbitProgram + " encrypt '" + file + "'",
         0,
         {"korbit: Passwords must be 6 or more characters!", "korbit: the passwords do not match",
          "korbit: " + file + ": encrypted"},
         true},
        {"asked again when decrypting", {"Password: ", "short\\n", "Password: ", good},
         korbitProgram + " decrypt '" + file + "'", 0, {"korbit: Passwords must be 6 or more characters!"}, false},
        {"weak", {"Password: ", "pw123456\\n", "again: ", "pw123456\\n"}, korbitProgram + " encrypt '" + file + "'", 0,
         {"korbit: warning: Weak: one graphics card could guess it in less than a second.\r\nPassword again: "},
         true},
        {"three tries", {"Password: ", "abc\\n", "Password: ", "x\\n", "Password: ", "y\\n"},
         korbitProgram + " decrypt '" + file + "'", 1, {"korbit: no password after 3 tries; nothing was changed"},
         true},
        {"Ctrl-C at the prompt", {"Password: ", "\\x03"}, korbitProgram + " decrypt '" + file + "'", 130, {}, true},
        {"standard input carries data", {"Password: ", good, "again: ", good},
         "sh -c \"exec " + korbitProgram + " encrypt -o '" + file + ".xje' - <'" + file + "'\"", 0,
         {"korbit: standard input: encrypted to " + file + ".xje"}, true},
        {"no container on the terminal", {}, "sh -c \"exec " + korbitProgram + " encrypt --password-file '" + pw +
         "' - <'" + file + "'\"", 2, {"korbit: a container is no text for the terminal"}, true},
        {"Ctrl-C in a run", {"%", "\\x03"}, korbitProgram + " encrypt --password-file '" + pw + "' '" + big + "'",
         130, {"korbit: " + folder.substr(0, 20), "cancelled; the file is as it was"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string line = environment() + " python3 '" KORBIT_ON_TERMINAL "' 60";
        for (const std::string& step : c.steps) {
            line += " '" + step + "'";
        }
        const CommandRun run = runLine(line + " -- " + c.command + " </dev/null");
        EXPECT_EQ(run.status, c.status) << run.out;
        for (const std::string& shown : c.shows) {
            EXPECT_NE(run.out.find(shown), std::string::npos) << run.out << "\nlacks:\n" << shown;
        }
        EXPECT_EQ(run.out.find("warning") != std::string::npos, c.what == "weak") << run.out;
        EXPECT_EQ(contentOf(file).starts_with("xjeS"), c.encrypted) << run.out;
        // Every progress line fits the 60 columns: "\r", the line, "\033[K".
        std::size_t drawn = 0;
        for (std::size_t at = run.out.find('\r'); at != std::string::npos; at = run.out.find('\r', at + 1)) {
            const std::size_t end = run.out.find("\033[K", at);
            std::string progress = run.out.substr(at + 1, end == std::string::npos ? 0 : end - at - 1);
            if (progress.ends_with("^C")) {  // the terminal's echo of Ctrl-C
                progress.resize(progress.size() - 2);
            }
            if (progress.find('%') != std::string::npos) {
                ++drawn;
                EXPECT_LE(progress.size(), 59U) << progress;
                EXPECT_NE(progress.find("..."), std::string::npos) << progress;
            }
        }
        EXPECT_EQ(drawn > 0, c.what == "Ctrl-C in a run") << run.out;
    }
    EXPECT_EQ(contentOf(file + ".xje").substr(0, 9), std::string("xjeS\x01\x00.\x00\x00", 9));
    EXPECT_EQ(std::filesystem::file_size(big), std::size_t{256} << 20);
    char first[4] = {};
    std::ifstream(big, std::ios::binary).read(first, sizeof first);
    EXPECT_EQ(std::string(first, 4), std::string(4, '\0'));
    EXPECT_EQ(leftoversBelow(home_), std::vector<std::string>{});
}
