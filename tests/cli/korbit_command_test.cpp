// The korbit program run as a user runs it: a fresh process, the library
// found beside it, JSON on standard output and the exit status.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

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
    // first (setpriv, to run it as another user).
    CommandRun korbit(const std::string& arguments, const std::string& input = "/dev/null",
                      const std::string& as = {}) const {
        const std::string command = as + " env XDG_DATA_HOME='" + home_.string() + "/data' XDG_CONFIG_HOME='" +
                                    home_.string() + "/config' XDG_STATE_HOME='" + home_.string() +
                                    "/state' '" KORBIT_PROGRAM "' " + arguments + " <'" + input + "' 2>'" +
                                    (home_ / "stderr.txt").string() + "'";
        FILE* pipe = ::popen(command.c_str(), "r");
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
