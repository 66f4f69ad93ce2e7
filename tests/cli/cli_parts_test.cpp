// The command line's parsing: words of a script line, JSON arguments and
// results.
#include <gtest/gtest.h>

#include "cli/json_values.h"
#include "cli/late_bound_call.h"
#include "cli/progress_line.h"
#include "cli/words.h"
#include "korbit/control/values/type_library.h"

namespace korbit::cli {
namespace {

using control::Value;

TEST(ScriptWords, SplitLikeAShellWithoutExpansions) {
    struct Case {
        const char* line;
        std::vector<std::string> words;
    };
    const Case cases[] = {
        {"GetFilePath 'C:\\a\\b.txt'", {"GetFilePath", "C:\\a\\b.txt"}},
        {"  call   a\tb  ", {"call", "a", "b"}},
        {"x \"say \\\"hi\\\" \\n\"", {"x", "say \"hi\" \\n"}},
        {"BackSlashNeeded ''", {"BackSlashNeeded", ""}},
        {"a\\ b c", {"a b", "c"}},
        {"'[1, \"two\"]'", {"[1, \"two\"]"}},
        {"", {}},
    };
    for (const Case& c : cases) {
        const auto words = splitWords(c.line);
        ASSERT_TRUE(words.has_value()) << c.line;
        EXPECT_EQ(*words, c.words) << c.line;
    }
    EXPECT_FALSE(splitWords("open 'quote").has_value());
    EXPECT_FALSE(splitWords("open \"quote").has_value());
    EXPECT_FALSE(splitWords("trailing \\").has_value());
}

TEST(JsonArguments, ReadJsonAndTakeBareWordsAsText) {
    EXPECT_EQ(argumentFromText("5", nullptr), Value(std::int32_t{5}));
    EXPECT_EQ(argumentFromText("2.5", nullptr), Value(2.5));
    EXPECT_EQ(argumentFromText("3000000000", nullptr), Value(3000000000.0));
    EXPECT_EQ(argumentFromText("true", nullptr), Value::boolean(true));
    EXPECT_EQ(argumentFromText("\"5\"", nullptr), Value(u"5"));
    EXPECT_EQ(argumentFromText("abc", nullptr), Value(u"abc"));
    EXPECT_EQ(argumentFromText("C:\\a\\b.txt", nullptr), Value(u"C:\\a\\b.txt"));
    EXPECT_EQ(argumentFromText("\"caf\xC3\xA9\"", nullptr), Value(u"caf\u00E9"));
    EXPECT_TRUE(argumentFromText("null", nullptr).isNull());

    const Value grid = argumentFromText("[[1, 2, 3], [4, 5, 6]]", nullptr);
    const control::Array& a = grid.get<control::Array>();
    ASSERT_EQ(a.dimensions(), 2U);
    EXPECT_EQ(a.bound(1).count, 2);
    EXPECT_EQ(a.bound(2).count, 3);
    EXPECT_EQ(a.at(1, 0), Value(std::int32_t{4}));
    EXPECT_EQ(toJson(grid).dump(), "[[1,2,3],[4,5,6]]");

    const control::ParamInfo textArray{"names", control::ParamType::kTextArray};
    const Value texts = argumentFromText("[1, \"b\"]", &textArray);
    EXPECT_EQ(texts.get<control::Array>().elementType(), control::VarType::kText);
    EXPECT_EQ(texts.get<control::Array>().at(0), Value(u"1"));
}

TEST(JsonArguments, BuildRecordsFromObjectsOfTheParametersType) {
    const control::ParamInfo fp{"FP", control::ParamType::kFileParams};
    const Value record = argumentFromText(R"({"bRecursive": true, "sExclusiveExtensions": "*.txt"})", &fp);
    const control::Record& r = record.get<control::Record>();
    EXPECT_EQ(r.typeName(), "FILE_PARAMS");
    EXPECT_EQ(r.field("bRecursive"), Value::boolean(true));
    EXPECT_EQ(r.field("nCount"), Value(std::int32_t{0}));  // fields left out keep their defaults
    EXPECT_EQ(toJson(record).dump(),
              R"({"bExclusiveSpecExt":0,"bRecursive":true,"nCount":0,"nSearched":0,"sExclusiveExtensions":"*.txt"})");

    EXPECT_EQ(argumentFromText(R"({"$type": "ARRAY_PARAMS", "sMyFile": "x"})", nullptr)
                  .get<control::Record>()
                  .typeName(),
              "ARRAY_PARAMS");
    EXPECT_THROW(argumentFromText(R"({"noSuchField": 1})", &fp), control::AutomationError);
    EXPECT_THROW(argumentFromText(R"({"a": 1})", nullptr), control::AutomationError);
}

TEST(JsonResults, PrintValuesAsTheirJsonCounterparts) {
    EXPECT_EQ(toJson(Value::boolean(true)).dump(), "true");
    EXPECT_EQ(toJson(Value(std::int16_t{-3})).dump(), "-3");
    EXPECT_EQ(toJson(Value(control::Date{36526.5})).dump(), "36526.5");
    EXPECT_EQ(toJson(Value(control::Text(u"a\0b", 3))).dump(), "\"a\\u0000b\"");
    EXPECT_EQ(toJson(Value()).dump(), "null");
    EXPECT_EQ(toJson(Value(control::Array(control::VarType::kText))).dump(), "[]");
}

TEST(CallWords, ParseClassPropertiesMethodAndArguments) {
    CallRequest request;
    std::string error;
    ASSERT_TRUE(parseCallRequest({"--class", "BinHexDecCls", "--set", "DeciNum=10", "HexNum"}, request, error));
    EXPECT_EQ(request.className, "BinHexDecCls");
    EXPECT_EQ(request.propertySets, (std::vector<std::pair<std::string, std::string>>{{"DeciNum", "10"}}));
    EXPECT_EQ(request.method, "HexNum");
    EXPECT_TRUE(request.arguments.empty());
    EXPECT_EQ(progIdOf("sha256"), "Korbit.SHA256");

    CallRequest other;
    ASSERT_TRUE(parseCallRequest({"GetFilePath", "--class"}, other, error));  // options stop at the method
    EXPECT_EQ(other.arguments, std::vector<std::string>{"--class"});
    EXPECT_FALSE(parseCallRequest({"--class"}, other, error));
    EXPECT_FALSE(parseCallRequest({"--class", "Nope", "X"}, other, error));
    EXPECT_FALSE(parseCallRequest({"--set", "novalue", "X"}, other, error));
    EXPECT_FALSE(parseCallRequest({}, other, error));
}

// The progress line never wraps: at any width it stays within the
// terminal's columns (the last one left free), the bar going first, then the
// middle of the name, then the speed; the percentage always stays.
TEST(ProgressLine, FitsTheTerminalShorteningTheNameInTheMiddle) {
    const std::string name = "/home/someone/Documents/Quarterly reports/\xC3\xA9t\xC3\xA9 2024/final-report.pdf";
    Progress progress;
    progress.name = name;
    progress.percent = 42;
    progress.bytesPerSecond = 812.5e6;
    progress.secondsLeft = 75;
    struct Case {
        int columns;
        std::vector<std::string> holds;
        std::vector<std::string> lacks;
    };
    const Case cases[] = {
        {200, {name, " [############", "]  42%  812.5 MB/s  1:15 left"}, {"..."}},
        {80, {"/home/some", "...", "report.pdf [", " 42%  812.5 MB/s  1:15 left"}, {}},
        {60, {"/home/so...ort.pdf [####      ]  42%  812.5 MB/s  1:15 left"}, {}},
        {40, {"...", "report.pdf  42%"}, {"MB/s", "["}},
        {30, {"...", " 42%"}, {"MB/s", "["}},
    };
    for (const Case& c : cases) {
        const std::string line = progressLine(progress, c.columns);
        std::size_t characters = 0;
        for (const char byte : line) {
            characters += (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U ? 1U : 0U;
        }
        EXPECT_LE(characters, static_cast<std::size_t>(c.columns - 1)) << c.columns << ": " << line;
        if (line.find("...") != std::string::npos) {  // a name shortened fills the line
            EXPECT_EQ(characters, static_cast<std::size_t>(c.columns - 1)) << c.columns << ": " << line;
        }
        for (const std::string& part : c.holds) {
            EXPECT_NE(line.find(part), std::string::npos) << c.columns << ": " << line << " lacks " << part;
        }
        for (const std::string& part : c.lacks) {
            EXPECT_EQ(line.find(part), std::string::npos) << c.columns << ": " << line << " holds " << part;
        }
    }
    // A character is never cut in two.
    EXPECT_EQ(shortenMiddle("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", 5),
              "\xC3\xA9...\xC3\xA9");
    // A stream of unknown length tells what went through.
    Progress stream;
    stream.name = "standard input";
    stream.bytesDone = 123'400'000;
    stream.bytesPerSecond = 61.7e6;
    EXPECT_EQ(progressLine(stream, 80), "standard input 123.4 MB  61.7 MB/s");
}

}  // namespace
}  // namespace korbit::cli
