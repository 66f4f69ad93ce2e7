// The settings-file methods beyond single reads and writes: the key list and
// its array, the read buffer, failing writes, and writers in two processes.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "korbit/base/concat.h"
#include "korbit/control/korbit_control.h"
#include "platform/scratch_folder.h"
#include "support/control_client.h"
#include "support/scripted_host.h"

namespace korbit::testing {
namespace {

using control::Array;
using control::Text;
using control::Value;

// "p<writer>k<index>".
std::string writerKey(int writer, int index) {
    return korbit::concat("p", std::to_string(writer), "k", std::to_string(index));
}

class SettingsMethods : public ::testing::Test {
protected:
    ScriptedHost host;
    control::KorbitControl control{&host};
    ScratchFolder scratch;
    std::string file = scratch / "settings.ini";
    ControlCaller caller{control};
    hosting::KorbitClient client{caller};

    void save(const std::string& section, const std::string& key, const std::string& value) {
        client.ProfileSaveItem(text(section), text(key), text(value), text(file));
    }
    Text item(const std::string& section, const std::string& key) {
        return client.ProfileGetItem(text(section), text(key), text(file));
    }
    Text keys(const std::string& section, Array& names) {
        return client.ProfileGetSection(text(section), text(file), names);
    }
};

TEST_F(SettingsMethods, KeyListFillsTheArrayFromIndexZero) {
    save("S", "A", "1");
    save("S", "B", "2");
    Array names = Array::ofTexts({u"old"}, 5);
    EXPECT_EQ(keys("S", names), Text(u"A\0B", 3));
    EXPECT_EQ(names, Array::ofTexts({u"A", u"B"}, 0));
}

TEST_F(SettingsMethods, EmptyKeyListLeavesTheArrayAlone) {
    save("S", "A", "1");
    const Array before = Array::ofTexts({u"kept"});
    for (const char* section : {"S2", "missing"}) {
        Array names = before;
        keys(section, names);
        EXPECT_EQ(names, before) << section;
    }
    client.ProfileDeleteSection(u"S", text(file));
    Array names = before;
    EXPECT_EQ(keys("S", names), Text());
    EXPECT_EQ(names, before);
}

TEST_F(SettingsMethods, ReadBufferLimitsHold) {
    const std::string longValue(70000, 'v');
    save("S", "k", longValue);
    EXPECT_EQ(item("S", "k").size(), 65535U);

    // 7,000 names of 9 characters and a NUL: 70,000 characters, more than fit.
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << "[Big]\n";
    for (int i = 0; i < 7000; ++i) {
        out << "key" << 100000 + i << "=1\n";
    }
    out.close();
    Array names;
    const Text list = keys("Big", names);
    EXPECT_EQ(list.size(), 65533U);
    EXPECT_EQ(list.substr(0, 10), Text(u"key100000\0", 10));
    EXPECT_EQ(names.size(), 6554U);  // 6,553 whole names and the cut one
    EXPECT_EQ(names.at(6553), Value(Text(u"key")));
}

TEST_F(SettingsMethods, IsArrayGoodTellsDimensionedArrays) {
    const struct {
        Value value;
        bool good;
    } cases[] = {
        {Value(Array::ofTexts({u"one"})), true},
        {Value(Array::ofTexts({})), true},  // what splitting an empty text gives
        {Value(Array(control::VarType::kText)), false},
        {Value(std::int32_t{5}), false},
        {Value(Text(u"x")), false},
        {Value(), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(client.IsArrayGood(c.value), c.good);
    }
}

TEST_F(SettingsMethods, FailingWritesAreSilentAndHarmless) {
    const std::string inMissingFolder = scratch / "no/such/settings.ini";
    client.ProfileSaveItem(u"S", u"k", u"v", text(inMissingFolder));
    EXPECT_FALSE(std::filesystem::exists(scratch / "no"));

    save("S", "k", "v");
    ::chmod(file.c_str(), 0444);
    save("S", "k", "changed");
    EXPECT_EQ(item("S", "k"), u"v");
    ::chmod(file.c_str(), 0644);

    client.ProfileSaveItem(u"S", u"k", u"v", Text(u"a\0b", 3));
    client.ProfileSaveItem(u"S", u"k", u"v", u"");
    EXPECT_EQ(client.ProfileGetItem(u"S", u"k", Text(u"a\0b", 3)), u"");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.path()), {}), 1);  // no stray files
    EXPECT_TRUE(host.boxes.empty());

    // Silent to the caller, not to the host: each write that changed nothing says why.
    ASSERT_EQ(host.failures.size(), 4U);
    for (const auto& [method, why] : host.failures) {
        EXPECT_EQ(method, u"ProfileSaveItem");
        EXPECT_FALSE(why.empty());
    }
    EXPECT_NE(host.failures[1].second.find(u"Permission denied"), Text::npos)
        << platform::toUtf8(host.failures[1].second);
}

TEST_F(SettingsMethods, WritesThroughASymbolicLinkKeepTheLink) {
    save("S", "k", "v");
    const std::string link = scratch / "link.ini";
    std::filesystem::create_symlink(file, link);
    client.ProfileSaveItem(u"S", u"k", u"w", text(link));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(item("S", "k"), u"w");
}

TEST_F(SettingsMethods, RewriteKeepsTheFileMode) {
    save("S", "k", "v");
    ::chmod(file.c_str(), 0600);
    save("S", "k", "w");
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600U);
}

TEST_F(SettingsMethods, TwoProcessesWritingAtOnceLoseNoKey) {
    constexpr int kKeysEach = 200;
    pid_t children[2] = {};
    for (int p = 0; p < 2; ++p) {
        children[p] = ::fork();
        ASSERT_GE(children[p], 0);
        if (children[p] == 0) {
            control::KorbitControl writer;
            for (int i = 0; i < kKeysEach; ++i) {
                const std::string key = writerKey(p, i);
                if (!writer.ProfileSaveItem(u"Shared", platform::fromUtf8(key), platform::fromUtf8(key + "v"),
                                            platform::fromUtf8(file))) {
                    ::_exit(1);
                }
            }
            ::_exit(0);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    Array names;
    keys("Shared", names);
    ASSERT_EQ(names.size(), 2U * kKeysEach);
    for (int p = 0; p < 2; ++p) {
        for (int i = 0; i < kKeysEach; ++i) {
            const std::string key = writerKey(p, i);
            ASSERT_EQ(item("Shared", key), text(key + "v"));
        }
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.path()), {}), 1);
}

}  // namespace
}  // namespace korbit::testing
