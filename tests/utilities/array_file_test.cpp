// The array files: their format, and writing and filling arrays through the
// control's typed client.
#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "korbit/control/values/automation_date.h"
#include "korbit/utilities/array_file_format.h"
#include "platform/scratch_folder.h"
#include "utilities/utilities_fixture.h"

namespace korbit::testing {
namespace {

using control::Array;
using control::Bound;
using control::ControlMethod;
using control::Record;
using control::Text;
using control::Value;
using control::VarType;

std::string contentOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// A random value of every kind the files keep, texts with quotes, commas,
// line breaks, blanks, number signs and characters beyond ASCII.
Value randomValue(std::mt19937& rng) {
    static const std::vector<Text> kPieces = {u"a",    u"\"", u",",         u"\r\n", u"\n",
                                              u" ",    u"#",  u"\u00E9",    u"\U0001F600",
                                              Text(1, char16_t{0xD800}), Text(1, char16_t{0xDC00}),
                                              u"TRUE", u"1.5", u"\t"};
    switch (rng() % 9) {
        case 0: return Value();
        case 1: return control::Null{};
        case 2: return Value::boolean(rng() % 2 == 0);
        case 3: return static_cast<std::int32_t>(rng());
        case 4: {
            const double magnitude = std::ldexp(static_cast<double>(rng()), static_cast<int>(rng() % 200) - 100);
            return rng() % 2 == 0 ? magnitude : -magnitude;
        }
        case 5: return static_cast<double>(static_cast<int>(rng() % 2000) - 1000);
        case 6: {
            const int year = 100 + static_cast<int>(rng() % 9900);
            const int month = 1 + static_cast<int>(rng() % 12);
            const int day = 1 + static_cast<int>(rng() % static_cast<unsigned>(control::daysInMonth(year, month)));
            return *control::fromCivil({year, month, day, static_cast<int>(rng() % 24), static_cast<int>(rng() % 60),
                                        static_cast<int>(rng() % 60)});
        }
        default: {
            Text t;
            for (std::size_t n = rng() % 6; n > 0; --n) {
                t += kPieces[rng() % kPieces.size()];
            }
            return t;
        }
    }
}

class ArrayFiles : public UtilitiesFixture {
protected:
    ScratchFolder folder;
};

TEST_F(ArrayFiles, EveryWrittenFileReadsBackIntoEqualValues) {
    std::mt19937 rng(20240601);
    for (int round = 0; round < 300; ++round) {
        const bool twoDim = round % 2 == 1;
        const std::int32_t rows = 1 + static_cast<std::int32_t>(rng() % 12);
        const std::int32_t lastColumn = twoDim ? 1 + static_cast<std::int32_t>(rng() % 5) : 0;
        Array data(VarType::kVariant, twoDim ? std::vector<Bound>{{0, rows}, {0, lastColumn + 1}}
                                             : std::vector<Bound>{{0, rows}});
        for (Value& v : data.elements()) {
            v = randomValue(rng);
        }
        const std::string file = folder / "round.txt";
        const Record write = arrayParams(data, file, rows, lastColumn);
        ASSERT_TRUE(twoDim ? client.WriteTwoDimArrayToFile(write) : client.WriteOneDimArrayToFile(write));

        Record back = arrayParams(Array(VarType::kVariant), file, 0, lastColumn);
        ASSERT_TRUE(twoDim ? client.FillTwoDimArrayFromFile(back) : client.FillOneDimArrayFromFile(back))
            << contentOf(file);
        EXPECT_EQ(back.field("nRecordCount"), Value(rows));
        ASSERT_EQ(back.field("sMyArray").get<Array>(), data) << "round " << round << "\n" << contentOf(file);
    }
}

TEST_F(ArrayFiles, FormatOfEachKindOfValue) {
    const struct {
        Value value;
        const char* text;
    } cases[] = {
        {Text(u"say \"hi\", twice"), "\"say \"\"hi\"\", twice\""},
        {std::int32_t{-12}, "-12"},
        {std::int16_t{7}, "7"},
        {2.5, "2.5"},
        {5.0, "5.0"},
        {1e300, "1e+300"},
        {Value::boolean(true), "#TRUE#"},
        {Value::boolean(false), "#FALSE#"},
        {Value(control::Null{}), "#NULL#"},
        {Value(), ""},
        {*control::fromCivil({2009, 1, 1, 13, 5, 9}), "#2009-01-01 13:05:09#"},
        {*control::fromCivil({1850, 6, 1, 6, 0, 0}), "#1850-06-01 06:00:00#"},
    };
    for (const auto& c : cases) {
        std::string out;
        utilities::appendFieldText(out, c.value);
        EXPECT_EQ(out, c.text);
    }
    const Value unwritable[] = {Value(Array::ofTexts({u"x"})), Value(control::ErrorValue{5}),
                                Value(std::numeric_limits<double>::quiet_NaN())};
    for (const Value& v : unwritable) {
        std::string out;
        EXPECT_THROW(utilities::appendFieldText(out, v), control::AutomationError);
    }
}

TEST_F(ArrayFiles, ReaderTakesValuesAcrossLinesAndRefusesBrokenOnes) {
    const auto values = utilities::ArrayFileReader("\"a\",1\r\n2.5, #true# ,\n#NULL#\rword , 3e2\r\n").readAll();
    const std::vector<Value> expected{Text(u"a"), std::int32_t{1}, 2.5, Value::boolean(true), Value(),
                                      control::Null{}, Text(u"word"), 300.0};
    EXPECT_EQ(values, expected);
    for (const char* broken : {"\"open", "#TRUE", "#maybe#", "\"a\"b", "#2009-13-45#"}) {
        EXPECT_THROW(utilities::ArrayFileReader(broken).readAll(), control::AutomationError) << broken;
    }
}

TEST_F(ArrayFiles, WritingListsAndTables) {
    const std::string file = folder / "list.txt";
    const Record list = arrayParams(Array::ofTexts({u"one", u"two", u"three"}), file, 3);
    EXPECT_TRUE(client.WriteOneDimArrayToFile(list));
    EXPECT_EQ(contentOf(file), "\"one\"\r\n\"two\"\r\n\"three\"\r\n");
    EXPECT_TRUE(client.WriteOneDimArrayToFile(list, true));
    EXPECT_EQ(contentOf(file), "\"one\"\r\n\"two\"\r\n\"three\"\r\n\"one\"\r\n\"two\"\r\n\"three\"\r\n");
    EXPECT_TRUE(client.WriteOneDimArrayToFile(list, false));
    EXPECT_EQ(contentOf(file), "\"one\"\r\n\"two\"\r\n\"three\"\r\n");

    Record fill = arrayParams(Array(VarType::kVariant), file);
    EXPECT_TRUE(client.FillOneDimArrayFromFile(fill));
    EXPECT_EQ(fill.field("nRecordCount"), Value(std::int32_t{3}));

    Array table(VarType::kVariant, {{0, 2}, {0, 3}});
    for (std::int32_t i = 0; i < 2; ++i) {
        for (std::int32_t j = 0; j < 3; ++j) {
            table.at(i, j) = i * 3 + j;
        }
    }
    const std::string tableFile = folder / "table.txt";
    EXPECT_TRUE(client.WriteTwoDimArrayToFile(arrayParams(table, tableFile, 2, 2)));
    EXPECT_EQ(contentOf(tableFile), "0,1,2\r\n3,4,5\r\n");
    for (const std::int32_t width : {0, 31, -1}) {
        EXPECT_FALSE(client.WriteTwoDimArrayToFile(arrayParams(table, tableFile, 2, width)));
        EXPECT_EQ(contentOf(tableFile), "0,1,2\r\n3,4,5\r\n") << "unchanged";
    }
    EXPECT_TRUE(client.WriteTwoDimArrayToFile(arrayParams(table, tableFile, 0, 31)));
    EXPECT_EQ(contentOf(tableFile), "");
    EXPECT_TRUE(client.WriteTwoDimArrayToFile(arrayParams(table, tableFile, 0, 31), true));
    EXPECT_EQ(contentOf(tableFile), "");
}

TEST_F(ArrayFiles, FailuresLeaveTheFileAndTheArrayAlone) {
    const std::string file = folder / "kept.txt";
    std::ofstream(file, std::ios::binary) << "\"kept\"\r\n";
    EXPECT_FALSE(client.WriteOneDimArrayToFile(arrayParams(Array::ofTexts({u"a", u"b"}), file, 5)))
        << "more records than the array holds";
    EXPECT_EQ(contentOf(file), "\"kept\"\r\n");
    EXPECT_FALSE(client.WriteOneDimArrayToFile(arrayParams(Array::ofTexts({u"a"}), folder / "no/such/x.txt", 1)));
    EXPECT_FALSE(client.WriteOneDimArrayToFile(arrayParams(Array::ofTexts({u"a"}), folder.path(), 1))) << "a folder";
    ::chmod(file.c_str(), 0444);
    for (const bool append : {false, true}) {
        EXPECT_FALSE(client.WriteOneDimArrayToFile(arrayParams(Array::ofTexts({u"a"}), file, 1), append))
            << "a read-only file, append " << append;
    }
    ::chmod(file.c_str(), 0644);
    EXPECT_EQ(contentOf(file), "\"kept\"\r\n");
    const auto entries = std::distance(std::filesystem::directory_iterator(folder.path()), {});
    EXPECT_EQ(entries, 1) << "no temporary file left behind";

    const Array original = Array::ofValues({Text(u"x")});
    const struct {
        const char* content;
        std::int32_t lastColumn;
    } unreadable[] = {{"", 0}, {"1,2\r\n3,4\r\n5\r\n", 1}, {"\"open\r\n", 0}, {"1,2\r\n", -1}};
    for (const auto& u : unreadable) {
        std::ofstream(file, std::ios::binary | std::ios::trunc) << u.content;
        Record fill = arrayParams(original, file, 9, u.lastColumn);
        EXPECT_FALSE(u.lastColumn == 0 ? client.FillOneDimArrayFromFile(fill) : client.FillTwoDimArrayFromFile(fill))
            << u.content;
        EXPECT_EQ(fill.field("sMyArray"), Value(original));
        EXPECT_EQ(fill.field("nRecordCount"), Value(std::int32_t{9}));
    }
    Record missing = arrayParams(original, folder / "absent.txt");
    EXPECT_FALSE(client.FillOneDimArrayFromFile(missing));
    EXPECT_EQ(missing.field("sMyArray"), Value(original));

    std::ofstream(file, std::ios::binary | std::ios::trunc) << "1,2\r\n3,4\r\n5,6\r\n";
    Record table = arrayParams(original, file, 0, 1);
    EXPECT_TRUE(client.FillTwoDimArrayFromFile(table));
    EXPECT_EQ(table.field("nRecordCount"), Value(std::int32_t{3}));
    EXPECT_EQ(table.field("sMyArray").get<Array>().at(2, 1), Value(std::int32_t{6}));
}

TEST_F(ArrayFiles, RewritingWithoutOneRow) {
    const std::string file = folder / "rewrite.txt";
    Record data = arrayParams(Array::ofValues({std::int32_t{0}, std::int32_t{1}, std::int32_t{2}, std::int32_t{3}}),
                              file, 4);
    // Late-bound, to see the record the call left in its by-reference argument.
    std::vector<Value> args{data, std::int32_t{1}};
    const control::InvokeResult r =
        control::invoke(control, control::dispatchIdOf(ControlMethod::RemoveArrayRowReWriteOneDim), args);
    EXPECT_EQ(r.result, boolean(true)) << r.description;
    EXPECT_EQ(contentOf(file), "0\r\n2\r\n3\r\n");
    EXPECT_EQ(args[0], Value(data)) << "array and count unchanged";
    for (const std::int32_t outside : {-1, 4, 99}) {
        EXPECT_TRUE(client.RemoveArrayRowReWriteOneDim(data, outside));
        EXPECT_EQ(contentOf(file), "0\r\n1\r\n2\r\n3\r\n");
    }

    Array one(VarType::kVariant, {{0, 1}, {0, 1}});
    EXPECT_TRUE(client.RemoveArrayRowReWriteTwoDim(arrayParams(one, file, 1, 0), 0))
        << "nothing left to write: the width does not matter";
    EXPECT_EQ(contentOf(file), "");
    Array pairs(VarType::kVariant, {{0, 3}, {0, 2}});
    for (std::int32_t i = 0; i < 3; ++i) {
        pairs.at(i, 0) = Text(1, static_cast<char16_t>(u'a' + i));
        pairs.at(i, 1) = i;
    }
    EXPECT_TRUE(client.RemoveArrayRowReWriteTwoDim(arrayParams(pairs, file, 3, 1), 2));
    EXPECT_EQ(contentOf(file), "\"a\",0\r\n\"b\",1\r\n");
    EXPECT_FALSE(client.RemoveArrayRowReWriteTwoDim(arrayParams(pairs, file, 3, 0), 2));
}

}  // namespace
}  // namespace korbit::testing
