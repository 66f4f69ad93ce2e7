// The C interface as a C program sees it: only include/korbit/korbit.h and
// libkorbit.so.1, which loads the control library beside it.
#include <gtest/gtest.h>
#include <korbit/korbit.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string textOf(const korbit_value* v) {
    EXPECT_NE(v, nullptr);
    if (v == nullptr || v->type != KORBIT_TYPE_TEXT) {
        return "<not a text>";
    }
    return std::string(v->as.text.data, v->as.text.length);
}

class CInterface : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // A user with no registration: the library beside libkorbit.so.1.
        static const fs::path home = fs::temp_directory_path() / ("korbit-c-" + std::to_string(::getpid()));
        fs::create_directories(home);
        ::setenv("XDG_DATA_HOME", home.c_str(), 1);
    }

    void SetUp() override {
        ASSERT_EQ(korbit_create("Korbit.KorbitControl", &control_), KORBIT_OK)
            << korbit_last_error(control_)->description;
        scratch_ = fs::temp_directory_path() / ("korbit-c-" + std::to_string(::getpid()) + "-" +
                                                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(scratch_);
    }

    void TearDown() override {
        korbit_release(control_);
        fs::remove_all(scratch_);
    }

    korbit_status call(const char* method, std::vector<korbit_value> args) {
        return korbit_call(control_, method, args.data(), args.size(), &result_);
    }

    korbit_object* control_ = nullptr;
    const korbit_value* result_ = nullptr;
    fs::path scratch_;
};

// Texts are bytes: what is not UTF-8 comes back as it went in, NUL
// characters included.
TEST_F(CInterface, TextsComeBackAsTheBytesTheyWere) {
    const struct {
        const char* method;
        std::string argument;
        std::string expected;
    } cases[] = {
        {"CutFilePath", "/tmp/caf\xE9 d\xC3\xA9j\xC3\xA0.txt", "caf\xE9 d\xC3\xA9j\xC3\xA0.txt"},
        {"GetFilePath", "/tmp/\xFF\xFE/x.txt", "/tmp/\xFF\xFE/"},
        {"TrimNull", std::string("ab\0cd", 5), "ab"},
        {"ProperCaseString", "\xE2\x82\xAC uro", "\xE2\x82\xAC Uro"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(call(c.method, {korbit_text_n(c.argument.data(), c.argument.size())}), KORBIT_OK) << c.method;
        EXPECT_EQ(textOf(result_), c.expected) << c.method;
        EXPECT_EQ(result_->as.text.data[result_->as.text.length], '\0') << c.method;
    }
    ASSERT_EQ(call("GetMyCurrentDirectory", {}), KORBIT_OK);
    EXPECT_EQ(result_->as.text.length, 255u);
    EXPECT_EQ(result_->as.text.data[254], '\0');
}

// Each kind of value goes in and comes out as the method's table says.
TEST_F(CInterface, NumbersDatesEnumerationsAndGivenBackArguments) {
    double leapDay = 0;
    const korbit_civil_time february{2024, 2, 10, 12, 0, 0};
    ASSERT_EQ(korbit_date_from_civil(&february, &leapDay), KORBIT_OK);
    ASSERT_EQ(call("DaysInMonth", {korbit_date(leapDay)}), KORBIT_OK);
    EXPECT_EQ(result_->type, KORBIT_TYPE_INT16);
    EXPECT_EQ(result_->as.int16, 29);

    ASSERT_EQ(call("IsLeapYear", {korbit_int16(1900)}), KORBIT_OK);
    EXPECT_EQ(result_->type, KORBIT_TYPE_BOOL);
    EXPECT_EQ(result_->as.boolean, KORBIT_FALSE);

    ASSERT_EQ(call("KilogramsToPounds", {korbit_double(1.0)}), KORBIT_OK);
    EXPECT_DOUBLE_EQ(result_->as.number, 2.2046);

    // MathTypes travel as 32-bit integers; MyNumber is given back.
    ASSERT_EQ(call("ConvertHexDecBinary", {korbit_text("255"), korbit_int32(1), korbit_int32(2)}), KORBIT_OK);
    EXPECT_EQ(textOf(result_), "FF");
    EXPECT_EQ(textOf(korbit_argument(control_, 0)), "FF");
    EXPECT_EQ(korbit_argument(control_, 1), nullptr) << "ConvertFrom is not given back";

    // Dates given back may be left out; they come back all the same.
    std::ofstream(scratch_ / "dated.txt") << "x";
    const std::string file = (scratch_ / "dated.txt").string();
    ASSERT_EQ(call("GetFileTimes", {korbit_text(file.c_str())}), KORBIT_OK);
    EXPECT_EQ(result_->as.boolean, KORBIT_TRUE);
    for (std::size_t i = 1; i <= 3; ++i) {
        const korbit_value* date = korbit_argument(control_, i);
        ASSERT_NE(date, nullptr) << i;
        korbit_civil_time civil{};
        ASSERT_EQ(date->type, KORBIT_TYPE_DATE);
        ASSERT_EQ(korbit_date_to_civil(date->as.date, &civil), KORBIT_OK);
        EXPECT_GE(civil.year, 2024) << i;
    }
}

// Arrays and records: built by the caller with its own memory, handed back
// with the library's.
TEST_F(CInterface, ArraysAndRecordsGoInAndComeBack) {
    std::ofstream(scratch_ / "a.txt") << "a";
    std::ofstream(scratch_ / "b.txt") << "b";
    std::ofstream(scratch_ / "c.dat") << "c";
    korbit_field fields[] = {{"bRecursive", korbit_bool(1)},
                             {"bExclusiveSpecExt", korbit_int32(1)},
                             {"sExclusiveExtensions", korbit_text("*.txt")}};
    const korbit_record params{nullptr, 3, fields};  // FILE_PARAMS, as declared
    const korbit_array none{KORBIT_TYPE_TEXT, 0, {{0, 0}, {0, 0}}, nullptr};
    const std::string folder = scratch_.string();
    ASSERT_EQ(call("SearchForFiles", {korbit_text(folder.c_str()), korbit_array_value(&none),
                                      korbit_record_value(&params)}),
              KORBIT_OK)
        << korbit_last_error(control_)->description;
    const korbit_value* found = korbit_argument(control_, 1);
    ASSERT_NE(found, nullptr);
    ASSERT_EQ(found->type, KORBIT_TYPE_ARRAY);
    EXPECT_EQ(found->as.array->dimensions, 1u);
    EXPECT_EQ(found->as.array->element_type, KORBIT_TYPE_TEXT);
    EXPECT_EQ(found->as.array->bounds[0].count, 2);
    const korbit_value* record = korbit_argument(control_, 2);
    ASSERT_NE(record, nullptr);
    ASSERT_EQ(record->type, KORBIT_TYPE_RECORD);
    EXPECT_STREQ(record->as.record->type_name, "FILE_PARAMS");
    ASSERT_EQ(record->as.record->field_count, 5u);
    EXPECT_STREQ(record->as.record->fields[2].name, "nCount");
    EXPECT_EQ(record->as.record->fields[2].value.as.int32, 2);

    // A two-dimensional array keeps its shape and bounds through a record.
    const korbit_value cells[] = {korbit_text("a"), korbit_text("b"), korbit_text("c"),
                                  korbit_text("1"), korbit_text("2"), korbit_text("3")};
    const korbit_array table{KORBIT_TYPE_VARIANT, 2, {{0, 3}, {0, 2}}, cells};
    korbit_field arrayFields[] = {{"sMyArray", korbit_array_value(&table)},
                                  {"nRecordCount", korbit_int32(3)},
                                  {"nSecDimension", korbit_int32(1)}};
    const korbit_record arrayData{"ARRAY_PARAMS", 3, arrayFields};
    ASSERT_EQ(call("ArrayReverseTwoDim", {korbit_record_value(&arrayData)}), KORBIT_OK)
        << korbit_last_error(control_)->description;
    const korbit_array* reversed = korbit_argument(control_, 0)->as.record->fields[0].value.as.array;
    EXPECT_EQ(result_->as.boolean, KORBIT_TRUE);
    ASSERT_EQ(reversed->dimensions, 2u);
    EXPECT_EQ(reversed->bounds[0].count, 3);
    EXPECT_EQ(reversed->bounds[1].count, 2);
    EXPECT_EQ(textOf(&reversed->elements[0]), "c");
    EXPECT_EQ(textOf(&reversed->elements[5]), "1");
}

// What goes wrong is told by the status and korbit_last_error, with the
// argument that could not be read.
TEST_F(CInterface, FailuresSayWhatAndWhere) {
    const korbit_value noText = korbit_text_n(nullptr, 3);
    korbit_value badType = korbit_empty();
    badType.type = 99;
    const korbit_array cube{KORBIT_TYPE_VARIANT, 3, {{0, 1}, {0, 1}}, nullptr};
    korbit_field stranger[] = {{"nNoSuchField", korbit_int32(1)}};
    const korbit_record odd{"FILE_PARAMS", 1, stranger};
    const korbit_record unknown{"NO_SUCH_RECORD", 0, nullptr};
    const struct {
        const char* method;
        std::vector<korbit_value> args;
        korbit_status status;
        std::int32_t argument;
        std::string_view description;
    } cases[] = {
        {"NoSuchMethod", {}, KORBIT_E_UNKNOWN_NAME, -1, "Unknown name: NoSuchMethod"},
        {"GetFileExt", {}, KORBIT_E_PARAM_NOT_OPTIONAL, -1, "Argument not optional: MyFile"},
        {"GetFileExt", {korbit_text("a"), korbit_text("b")}, KORBIT_E_BAD_PARAM_COUNT, -1, "Wrong number"},
        {"IsLeapYear", {korbit_text("abc")}, KORBIT_E_TYPE_MISMATCH, 0, "Type mismatch"},
        {"IsLeapYear", {korbit_int32(70000)}, KORBIT_E_OVERFLOW, 0, "Overflow"},
        {"GetFileExt", {noText}, KORBIT_E_INVALID_ARG, 0, "a text of 3 bytes points to none"},
        {"GetFileExt", {badType}, KORBIT_E_INVALID_ARG, 0, "which is no korbit_type"},
        {"IsArrayGood", {korbit_array_value(&cube)}, KORBIT_E_INVALID_ARG, 0, "3 dimensions"},
        {"SearchForFiles", {korbit_text("x"), korbit_empty(), korbit_record_value(&odd)}, KORBIT_E_INVALID_ARG, 2,
         "FILE_PARAMS has no field nNoSuchField"},
        {"IsArrayGood", {korbit_record_value(&unknown)}, KORBIT_E_INVALID_ARG, 0, "no record type"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(korbit_call(control_, c.method, c.args.data(), c.args.size(), &result_), c.status) << c.method;
        const korbit_error* error = korbit_last_error(control_);
        EXPECT_EQ(error->status, c.status) << c.method;
        EXPECT_EQ(error->argument, c.argument) << c.method;
        EXPECT_NE(std::string_view(error->description).find(c.description), std::string_view::npos)
            << c.method << ": " << error->description;
        EXPECT_EQ(result_->type, KORBIT_TYPE_EMPTY) << c.method;
    }
    // A value nested past any sense is refused, not followed.
    std::vector<korbit_array> levels(100);
    std::vector<korbit_value> values(100);
    for (std::size_t i = 0; i < levels.size(); ++i) {
        levels[i] = {KORBIT_TYPE_VARIANT, 1, {{0, i + 1 < levels.size() ? 1 : 0}, {0, 0}},
                     i + 1 < levels.size() ? &values[i + 1] : nullptr};
        values[i] = korbit_array_value(&levels[i]);
    }
    EXPECT_EQ(call("IsArrayGood", {values[0]}), KORBIT_E_INVALID_ARG);

    // A failure the method reports through its host fails the call; the
    // result is still there.
    const std::string ini = (scratch_ / "missing" / "x.ini").string();
    EXPECT_EQ(call("ProfileSaveItem", {korbit_text("s"), korbit_text("k"), korbit_text("v"), korbit_text(ini.c_str())}),
              KORBIT_E_REPORTED);
    ASSERT_EQ(korbit_failure_count(control_), 1u);
    EXPECT_STREQ(korbit_failure_at(control_, 0)->method, "ProfileSaveItem");
    EXPECT_STREQ(korbit_failure_at(control_, 0)->description, korbit_last_error(control_)->description);
    EXPECT_EQ(korbit_failure_at(control_, 1), nullptr);

    // The next call starts clean.
    EXPECT_EQ(call("GetFileExt", {korbit_text("a.b")}), KORBIT_OK);
    EXPECT_EQ(korbit_failure_count(control_), 0u);
    EXPECT_STREQ(korbit_last_error(control_)->description, "");
}

// What the host is asked: boxes, with the answer that changes nothing when
// nobody lent one; calls back into the object from inside; other threads
// refused meanwhile.
struct Boxes {
    korbit_object* control = nullptr;
    std::vector<std::string> seen;
    int32_t answer = KORBIT_ANSWER_YES;
    korbit_status nested = 1;
    korbit_status otherThread = 1;
    bool release = false;
    std::vector<std::string> reported;
};

int32_t recordBox(void* context, const char* text, int32_t style, const char* title) {
    auto* boxes = static_cast<Boxes*>(context);
    boxes->seen.push_back(std::string(title) + "|" + std::to_string(style) + "|" + text);
    const korbit_value file = korbit_text("x.TXT");
    const korbit_value* ext = nullptr;
    boxes->nested = korbit_call(boxes->control, "GetFileExt", &file, 1, &ext);
    std::thread([&] {
        const korbit_value* ignored = nullptr;
        boxes->otherThread = korbit_call(boxes->control, "GetFileExt", &file, 1, &ignored);
    }).join();
    if (boxes->release) {
        korbit_release(boxes->control);
    }
    return boxes->answer;
}

void recordFailure(void* context, const char* method, const char* description) {
    static_cast<Boxes*>(context)->reported.push_back(std::string(method) + ": " + description);
}

TEST_F(CInterface, TheHostLentAnswersBoxesAndHearsFailures) {
    const fs::path kept = scratch_ / "kept.txt";
    std::ofstream(kept) << "x";
    const std::string file = kept.string();
    // Nobody lent a host: the question gets No, and the file stays.
    ASSERT_EQ(call("DeleteFileOrFolderToBin", {korbit_text(file.c_str())}), KORBIT_OK);
    EXPECT_EQ(result_->as.boolean, KORBIT_FALSE);
    EXPECT_TRUE(fs::exists(kept));
    EXPECT_EQ(korbit_safe_answer(KORBIT_BOX_YES_NO | KORBIT_BOX_QUESTION), KORBIT_ANSWER_NO);
    EXPECT_EQ(korbit_safe_answer(KORBIT_BOX_OK_ONLY | KORBIT_BOX_CRITICAL), KORBIT_ANSWER_OK);

    Boxes boxes;
    boxes.control = control_;
    boxes.answer = KORBIT_ANSWER_NO;
    const korbit_host host{&boxes, &recordBox, nullptr, nullptr, &recordFailure};
    ASSERT_EQ(korbit_set_host(control_, &host), KORBIT_OK);
    ASSERT_EQ(call("DeleteFileOrFolderToBin", {korbit_text(file.c_str())}), KORBIT_OK);
    EXPECT_EQ(result_->as.boolean, KORBIT_FALSE);
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0], "Delete File|36|Are you sure you want to move \"" + file + "\" to the trash?");
    EXPECT_EQ(boxes.nested, KORBIT_OK);
    EXPECT_EQ(boxes.otherThread, KORBIT_E_WRONG_THREAD);
    EXPECT_TRUE(fs::exists(kept));

    const std::string ini = (scratch_ / "missing" / "x.ini").string();
    EXPECT_EQ(call("ProfileDeleteSection", {korbit_text("s"), korbit_text(ini.c_str())}), KORBIT_E_REPORTED);
    ASSERT_EQ(boxes.reported.size(), 1u);
    EXPECT_EQ(boxes.reported[0].substr(0, 22), "ProfileDeleteSection: ");

    // Released from inside its own call, the object goes when the call ends.
    boxes.release = true;
    boxes.seen.clear();
    EXPECT_EQ(call("DeleteFileOrFolderToBin", {korbit_text(file.c_str())}), KORBIT_OK);
    EXPECT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(result_->type, KORBIT_TYPE_EMPTY);
    control_ = nullptr;

    // SHA256 shows no boxes and takes no host.
    korbit_object* sha = nullptr;
    ASSERT_EQ(korbit_create("Korbit.SHA256", &sha), KORBIT_OK);
    EXPECT_EQ(korbit_set_host(sha, &host), KORBIT_E_NOT_IMPLEMENTED);
    korbit_release(sha);
}

// During a long operation the control asks the host for pending input and
// lets its events run; the pump may call the object, and CancelOps from it
// stops an encryption with the file as it was.
struct Pump {
    korbit_object* control = nullptr;
    int pumped = 0;
    int asked = 0;
};

TEST_F(CInterface, TheEventPumpRunsDuringAnEncryptionAndMayCancelIt) {
    const fs::path file = scratch_ / "long.bin";
    const std::string content(256 * 1024, 'k');
    std::ofstream(file, std::ios::binary) << content;
    Pump pump;
    pump.control = control_;
    const korbit_host host{&pump, nullptr,
                           [](void* context) {
                               auto* p = static_cast<Pump*>(context);
                               ++p->pumped;
                               const korbit_value* ignored = nullptr;
                               korbit_call(p->control, "CancelOps", nullptr, 0, &ignored);
                           },
                           [](void* context) {
                               ++static_cast<Pump*>(context)->asked;
                               return 0;
                           },
                           nullptr};
    ASSERT_EQ(korbit_set_host(control_, &host), KORBIT_OK);
    const std::string name = file.string();
    ASSERT_EQ(call("EncryptionRoutine2", {korbit_text(name.c_str()), korbit_text("a password")}), KORBIT_OK);
    EXPECT_EQ(result_->as.boolean, KORBIT_FALSE);
    EXPECT_EQ(pump.pumped, 1);
    EXPECT_GT(pump.asked, 0);
    std::ifstream in(file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), content);
}

// The objects describe their members; the library its enumerations and
// records.
TEST_F(CInterface, ObjectsAndTheLibraryDescribeThemselves) {
    const korbit_member_info* times = nullptr;
    for (std::size_t i = 0; i < korbit_member_count(control_); ++i) {
        if (std::string_view(korbit_member(control_, i)->name) == "GetFileTimes") {
            times = korbit_member(control_, i);
        }
    }
    ASSERT_NE(times, nullptr);
    EXPECT_EQ(times->dispid, 0x60030061);
    EXPECT_EQ(times->kind, KORBIT_INVOKE_METHOD);
    EXPECT_STREQ(times->result_type_name, "Boolean");
    ASSERT_EQ(times->param_count, 5u);
    EXPECT_STREQ(times->params[1].name, "creation_date");
    EXPECT_EQ(times->params[1].passing, KORBIT_GIVEN_BACK);
    EXPECT_EQ(times->params[1].type, KORBIT_TYPE_DATE);
    EXPECT_EQ(times->params[0].passing, KORBIT_BY_VALUE);
    EXPECT_NE(times->params[4].optional, 0);
    ASSERT_NE(times->params[4].default_value, nullptr);
    EXPECT_EQ(times->params[4].default_value->as.boolean, KORBIT_TRUE);
    EXPECT_EQ(korbit_member(control_, korbit_member_count(control_)), nullptr);

    int32_t dispid = 0;
    EXPECT_EQ(korbit_dispatch_id(control_, "getfiletimes", &dispid), KORBIT_OK);
    EXPECT_EQ(dispid, 0x60030061);

    bool mathTypes = false;
    for (std::size_t i = 0; i < korbit_enumeration_count(); ++i) {
        const korbit_enumeration_info* e = korbit_enumeration(i);
        if (std::string_view(e->name) == "MathTypes") {
            mathTypes = e->member_count == 3 && std::string_view(e->members[2].name) == "Math_Hexidecimal" &&
                        e->members[2].value == 2;
        }
    }
    EXPECT_TRUE(mathTypes);
    ASSERT_GE(korbit_record_type_count(), 4u);
    const korbit_record_info* backup = nullptr;
    for (std::size_t i = 0; i < korbit_record_type_count(); ++i) {
        if (std::string_view(korbit_record_type(i)->name) == "BACKUP_FILE_PARAMS") {
            backup = korbit_record_type(i);
        }
    }
    ASSERT_NE(backup, nullptr);
    EXPECT_STREQ(backup->fields[0].name, "StrArray");
    EXPECT_STREQ(backup->fields[0].type_name, "String()");
    EXPECT_EQ(backup->fields[0].element_type, KORBIT_TYPE_TEXT);

    // The published classes: properties by kind.
    korbit_object* number = nullptr;
    ASSERT_EQ(korbit_create("Korbit.BinHexDecCls", &number), KORBIT_OK);
    ASSERT_EQ(korbit_dispatch_id(number, "DeciNum", &dispid), KORBIT_OK);
    const korbit_value twoFiftyFive = korbit_int32(255);
    EXPECT_EQ(korbit_invoke(number, dispid, KORBIT_INVOKE_PROPERTY_PUT, &twoFiftyFive, 1, nullptr), KORBIT_OK);
    ASSERT_EQ(korbit_dispatch_id(number, "BinNum", &dispid), KORBIT_OK);
    ASSERT_EQ(korbit_invoke(number, dispid, KORBIT_INVOKE_PROPERTY_GET, nullptr, 0, &result_), KORBIT_OK);
    EXPECT_EQ(textOf(result_), "11111111");
    EXPECT_EQ(korbit_call(number, "BinNum", nullptr, 0, &result_), KORBIT_E_MEMBER_NOT_FOUND);
    korbit_release(number);
}

TEST(CInterfaceCreation, AnObjectThatCouldNotBeMadeSaysWhyAtEveryCall) {
    korbit_object* nothing = nullptr;
    EXPECT_EQ(korbit_create("Korbit.NoSuchClass", &nothing), KORBIT_E_CLASS_NOT_REGISTERED);
    ASSERT_NE(nothing, nullptr);
    const std::string why = korbit_last_error(nothing)->description;
    EXPECT_NE(why.find("Korbit.NoSuchClass"), std::string::npos) << why;
    const korbit_value* result = nullptr;
    EXPECT_EQ(korbit_call(nothing, "GetFileExt", nullptr, 0, &result), KORBIT_E_CLASS_NOT_REGISTERED);
    EXPECT_EQ(korbit_last_error(nothing)->description, why);
    EXPECT_EQ(korbit_member_count(nothing), 0u);
    EXPECT_EQ(korbit_member(nothing, 0), nullptr);
    korbit_release(nothing);
    EXPECT_EQ(korbit_create("Korbit.KorbitControl", nullptr), KORBIT_E_POINTER);
    EXPECT_EQ(korbit_last_error(nullptr)->status, KORBIT_E_POINTER);
}

}  // namespace
