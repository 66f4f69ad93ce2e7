// The settings-file methods through the control's typed client: what they
// read, and the exact bytes they leave in the file.
#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "korbit/control/korbit_control.h"
#include "platform/scratch_folder.h"
#include "support/control_client.h"
#include "support/scripted_host.h"

namespace korbit::testing {
namespace {

using control::Array;
using control::Text;

std::optional<std::string> bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

enum class Op { kGet, kSave, kDelete, kDeleteSection, kKeys };

struct Case {
    const char* name;
    std::optional<std::string> before;  // nothing: no file
    Op op;
    std::string section;
    std::string key;
    std::string value;
    std::string result;                // of kGet and kKeys
    std::optional<std::string> after;  // nothing: the file as it was
};

const std::string kBom = "\xEF\xBB\xBF";

const Case kCases[] = {
    {"plain read", "[S]\nk=v\n", Op::kGet, "S", "k", "", "v", {}},
    {"names ignore case", "[Sec]\nKey=v\n", Op::kGet, "sEC", "kEY", "", "v", {}},
    {"blanks trimmed", "[S]\n \t k  =   v w \t\n", Op::kGet, " S ", "k ", "", "v w", {}},
    {"double quotes stripped", "[S]\nk=\"q v\"\n", Op::kGet, "S", "k", "", "q v", {}},
    {"single quotes stripped", "[S]\nk='x'\n", Op::kGet, "S", "k", "", "x", {}},
    {"mismatched quotes kept", "[S]\nk=\"x'\n", Op::kGet, "S", "k", "", "\"x'", {}},
    {"one pair of quotes only", "[S]\nk=\"\"x\"\"\n", Op::kGet, "S", "k", "", "\"x\"", {}},
    {"a lone quote kept", "[S]\nk=\"\n", Op::kGet, "S", "k", "", "\"", {}},
    {"empty quoted value", "[S]\nk=\"\"\n", Op::kGet, "S", "k", "", "", {}},
    {"comment never matched", "[S]\n;k=v\n", Op::kGet, "S", ";k", "", "", {}},
    {"first section wins", "[S]\nk=1\n[s]\nk=2\n", Op::kGet, "S", "k", "", "1", {}},
    {"first key wins", "[S]\nk=1\nK=2\n", Op::kGet, "S", "k", "", "1", {}},
    {"missing section", "[S]\nk=1\n", Op::kGet, "T", "k", "", "", {}},
    {"missing file", {}, Op::kGet, "S", "k", "", "", {}},
    {"lines before any section", "k=v\n[S]\n", Op::kGet, "S", "k", "", "", {}},
    {"CRLF read", "[S]\r\nk=v\r\n", Op::kGet, "S", "k", "", "v", {}},
    {"CR read", "[S]\rk=v\r", Op::kGet, "S", "k", "", "v", {}},
    {"header with a comment after it", "[S] ; note\nk=1\n", Op::kGet, "S", "k", "", "1", {}},
    {"byte-order mark read", kBom + "[S]\nk=1\n", Op::kGet, "S", "k", "", "1", {}},
    {"keys listed", "[S]\nA=1\nB=2\n", Op::kKeys, "S", "", "", std::string("A\0B", 3), {}},
    {"key once, first spelling", "[S]\nA=1\na=2\nB=3\n", Op::kKeys, "S", "", "", std::string("A\0B", 3), {}},
    {"lines without = not listed", "[S]\njunk\n;c=1\nk=v\n", Op::kKeys, "S", "", "", "k", {}},
    {"keys of an empty section", "[S]\n[T]\nx=1\n", Op::kKeys, "S", "", "", "", {}},
    {"new file", {}, Op::kSave, "S", "k", "v", "", "[S]\nk=v\n"},
    {"file casing wins", "[Sec]\nKey=old\n", Op::kSave, "SEC", "KEY", "new", "", "[Sec]\nKey=new\n"},
    {"new key before blank lines", "[A]\nx=1\n\n[B]\ny=2\n", Op::kSave, "A", "z", "3", "",
     "[A]\nx=1\nz=3\n\n[B]\ny=2\n"},
    {"new section at the end", "[A]\nx=1\n", Op::kSave, "B", "y", "2", "", "[A]\nx=1\n[B]\ny=2\n"},
    {"CRLF kept", "[A]\r\nx=1\r\n", Op::kSave, "A", "y", "2", "", "[A]\r\nx=1\r\ny=2\r\n"},
    {"CR kept", "[A]\rx=1\r", Op::kSave, "A", "x", "5", "", "[A]\rx=5\r"},
    {"comments stay in place", "; top\n[A]\n; note\nx=1\n", Op::kSave, "A", "x", "9", "",
     "; top\n[A]\n; note\nx=9\n"},
    {"last line ended", "[A]\nx=1", Op::kSave, "A", "y", "2", "", "[A]\nx=1\ny=2\n"},
    {"blanks around names dropped", "[A]\n", Op::kSave, " A ", " y ", "v", "", "[A]\ny=v\n"},
    {"value with a line break refused", "[A]\nx=1\n", Op::kSave, "A", "x", "2\n[B]", "", {}},
    {"key with = refused", "[A]\nx=1\n", Op::kSave, "A", "x=y", "2", "", {}},
    {"key read as comment refused", "[A]\n", Op::kSave, "A", ";k", "2", "", {}},
    {"value cut at NUL", {}, Op::kSave, "A", "x", std::string("ab\0cd", 5), "", "[A]\nx=ab\n"},
    {"UTF-8 names and value", {}, Op::kSave, "\xC3\x84", "\xC3\xB6", "\xE2\x82\xAC", "",
     "[\xC3\x84]\n\xC3\xB6=\xE2\x82\xAC\n"},
    {"byte-order mark kept", kBom + "[A]\nx=1\n", Op::kSave, "A", "x", "2", "", kBom + "[A]\nx=2\n"},
    {"delete key", "[A]\nx=1\ny=2\n", Op::kDelete, "A", "X", "", "", "[A]\ny=2\n"},
    {"delete removes duplicates", "[A]\nx=1\nX=2\n", Op::kDelete, "A", "x", "", "", "[A]\n"},
    {"delete of nothing leaves bytes", "[A]\r\nx=1", Op::kDelete, "A", "z", "", "", {}},
    {"delete makes no file", {}, Op::kDelete, "A", "x", "", "", {}},
    {"delete section, its comments stay", "[A]\nx=1\n;c\n[B]\ny=2\n", Op::kDeleteSection, "a", "", "", "",
     ";c\n[B]\ny=2\n"},
    {"comments around a deleted section", ";a\r\n[S]\r\n;b\r\n", Op::kDeleteSection, "S", "", "", "", ";a\r\n;b\r\n"},
    {"delete every copy of a section", "[A]\nx=1\n[B]\ny=2\n[a]\nz=3\n", Op::kDeleteSection, "A", "", "", "",
     "[B]\ny=2\n"},
};

class SettingsTable : public ::testing::TestWithParam<Case> {
protected:
    ScriptedHost host;
    control::KorbitControl control{&host};
    ScratchFolder scratch;
    ControlCaller caller{control};
    hosting::KorbitClient client{caller};
};

TEST_P(SettingsTable, ReadsAndWritesExactly) {
    const Case& c = GetParam();
    const std::string file = scratch / "settings.ini";
    if (c.before) {
        writeBytes(file, *c.before);
    }
    const Text path = text(file);
    Array keys;
    switch (c.op) {
        case Op::kGet:
            EXPECT_EQ(client.ProfileGetItem(text(c.section), text(c.key), path), text(c.result));
            break;
        case Op::kKeys:
            EXPECT_EQ(client.ProfileGetSection(text(c.section), path, keys), text(c.result));
            break;
        case Op::kSave:
            client.ProfileSaveItem(text(c.section), text(c.key), text(c.value), path);
            break;
        case Op::kDelete:
            client.ProfileDeleteItem(text(c.section), text(c.key), path);
            break;
        case Op::kDeleteSection:
            client.ProfileDeleteSection(text(c.section), path);
            break;
    }
    EXPECT_EQ(bytesOf(file), c.after ? c.after : c.before);
    EXPECT_TRUE(host.boxes.empty());
}

std::string caseName(const ::testing::TestParamInfo<Case>& param) {
    std::string name = param.param.name;
    for (char& ch : name) {
        ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsTable, ::testing::ValuesIn(kCases), caseName);

}  // namespace
}  // namespace korbit::testing
