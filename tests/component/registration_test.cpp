// Registration: what DllRegisterServer and DllUnregisterServer do to the
// per-user registry, and what the registry file keeps and refuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "component/component_test_support.h"
#include "korbit/hosting/component_error.h"
#include "korbit/hosting/component_loader.h"
#include "korbit/hosting/registry/guid.h"
#include "korbit/hosting/registry/registry_file.h"

namespace korbit::testing {
namespace {

namespace fs = std::filesystem;
using hosting::ComponentError;
using hosting::ComponentFailure;
using hosting::RegistryEntry;

const fs::path kLibrary = KORBIT_LIBRARY_FILE;
constexpr KorbitGuid kOtherClass = {0x01234567, 0x89AB, 0xCDEF, {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}};

class Registration : public ::testing::Test {
protected:
    fs::path registry() const { return data_.path() / "korbit" / "registry.ini"; }

    const RegistryEntry* find(const std::vector<RegistryEntry>& entries, std::string_view progId) {
        const auto it =
            std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e.progId == progId; });
        return it == entries.end() ? nullptr : &*it;
    }

    TempFolder data_;
    ScopedEnv xdg_{"XDG_DATA_HOME", data_.path().string()};
};

TEST_F(Registration, RecordsEveryClassWithTheLibrarysPathAndKeepsOtherEntries) {
    hosting::addRegistryEntries(registry(), {{"Other.Thing", kOtherClass, "/opt/other/libother.so"}});

    hosting::registerServer(kLibrary);
    std::vector<RegistryEntry> entries = hosting::readRegistry(registry());
    ASSERT_EQ(entries.size(), 4U);
    const std::pair<const char*, KorbitGuid> expected[] = {{"Korbit.KorbitControl", com::kCLSID_KorbitControl},
                                                           {"Korbit.SHA256", com::kCLSID_SHA256},
                                                           {"Korbit.BinHexDecCls", com::kCLSID_BinHexDecCls}};
    for (const auto& [progId, clsid] : expected) {
        const RegistryEntry* entry = find(entries, progId);
        ASSERT_NE(entry, nullptr) << progId;
        EXPECT_EQ(hosting::guidToText(entry->clsid), hosting::guidToText(clsid));
        EXPECT_TRUE(entry->library.is_absolute());
        EXPECT_TRUE(fs::equivalent(entry->library, kLibrary));
    }

    hosting::registerServer(kLibrary);  // again: replaced, not doubled
    EXPECT_EQ(hosting::readRegistry(registry()).size(), 4U);

    hosting::unregisterServer(kLibrary);
    entries = hosting::readRegistry(registry());
    ASSERT_EQ(entries.size(), 1U);
    EXPECT_EQ(entries[0].progId, "Other.Thing");
    EXPECT_EQ(entries[0].library, "/opt/other/libother.so");
}

TEST_F(Registration, UnregisteringTheLastEntriesRemovesTheFile) {
    hosting::registerServer(kLibrary);
    ASSERT_TRUE(fs::exists(registry()));
    hosting::unregisterServer(kLibrary);
    EXPECT_FALSE(fs::exists(registry()));
    hosting::unregisterServer(kLibrary);  // nothing to remove is no failure
    EXPECT_FALSE(fs::exists(registry()));
}

TEST_F(Registration, UnregisterLeavesAnEntryThatNamesAnotherCopyOfTheLibrary) {
    hosting::addRegistryEntries(registry(), {{"Korbit.SHA256", com::kCLSID_SHA256, "/opt/korbit/libkorbit.so"}});
    hosting::unregisterServer(kLibrary);
    const std::vector<RegistryEntry> entries = hosting::readRegistry(registry());
    ASSERT_EQ(entries.size(), 1U);
    EXPECT_EQ(entries[0].library, "/opt/korbit/libkorbit.so");
}

TEST_F(Registration, ADamagedRegistryIsNeitherOverwrittenNorLeftWithDebris) {
    const std::string damaged =
        "[Other.Thing]\nclsid={01234567-89AB-CDEF-0123-456789ABCDEF}\nthis line means nothing\n";
    writeText(registry(), damaged);

    try {
        hosting::registerServer(kLibrary);
        FAIL() << "registration into a damaged registry succeeded";
    } catch (const ComponentError& e) {
        EXPECT_EQ(e.failure(), ComponentFailure::kCallFailed);
        EXPECT_EQ(e.code(), com::kRegistryError);
        EXPECT_NE(std::string(e.what()).find("line 3"), std::string::npos) << e.what();
    }
    EXPECT_EQ(readText(registry()), damaged);
    EXPECT_EQ(std::distance(fs::directory_iterator(registry().parent_path()), fs::directory_iterator()), 1);
}

TEST_F(Registration, TheFileKeepsForeignKeysAndIsReadWithoutRegardToCase) {
    writeText(registry(),
              "; hand-written\r\n"
              "[Other.Thing]\r\n"
              "  CLSID = {01234567-89ab-cdef-0123-456789abcdef}\r\n"
              "library=/opt/other/lib other.so\r\n"
              "vendor=Someone\r\n");
    hosting::registerServer(kLibrary);

    const std::optional<RegistryEntry> other = hosting::findRegistryEntry(registry(), "OTHER.thing");
    ASSERT_TRUE(other);
    EXPECT_EQ(hosting::guidToText(other->clsid), hosting::guidToText(kOtherClass));
    EXPECT_EQ(other->library, "/opt/other/lib other.so");
    EXPECT_NE(readText(registry()).find("vendor=Someone"), std::string::npos);
}

TEST_F(Registration, EntriesThatCannotBeWrittenOrReadBackAreRefused) {
    EXPECT_THROW(hosting::addRegistryEntries(registry(), {{"Bad]Name", kOtherClass, "/x.so"}}), hosting::RegistryError);
    EXPECT_THROW(hosting::addRegistryEntries(registry(), {{"Relative", kOtherClass, "lib/x.so"}}),
                 hosting::RegistryError);
    EXPECT_THROW(hosting::addRegistryEntries(registry(), {{"Broken", kOtherClass, "/a\nb.so"}}),
                 hosting::RegistryError);
    EXPECT_FALSE(fs::exists(registry()));

    writeText(registry(), "[Half.Entry]\nclsid={01234567-89AB-CDEF-0123-456789ABCDEF}\n");
    EXPECT_THROW(hosting::readRegistry(registry()), hosting::RegistryError);
}

TEST(RegistryLocation, FollowsXdgDataHomeAndFallsBackToTheHomeFolder) {
    {
        const ScopedEnv xdg("XDG_DATA_HOME", "/srv/data");
        EXPECT_EQ(hosting::registryFilePath(), "/srv/data/korbit/registry.ini");
    }
    const ScopedEnv home("HOME", "/home/someone");
    for (const char* ignored : {"", "relative/data"}) {
        const ScopedEnv xdg("XDG_DATA_HOME", std::string(ignored));
        EXPECT_EQ(hosting::registryFilePath(), "/home/someone/.local/share/korbit/registry.ini");
    }
}

TEST(GuidText, RoundTripsAndRejectsNearMisses) {
    EXPECT_EQ(hosting::guidToText(com::kCLSID_KorbitControl), "{5B2C7E41-9D3A-4F1E-8C6B-217A904ED315}");
    const std::optional<KorbitGuid> back = hosting::guidFromText("{5b2c7e41-9d3a-4f1e-8c6b-217a904ed315}");
    ASSERT_TRUE(back);
    EXPECT_TRUE(*back == com::kCLSID_KorbitControl);
    for (const char* bad : {"5B2C7E41-9D3A-4F1E-8C6B-217A904ED315", "{5B2C7E41-9D3A-4F1E-8C6B217A904ED315}",
                            "{5B2C7E41-9D3A-4F1E-8C6B-217A904ED31G}", "{5B2C7E41-9D3A-4F1E-8C6B-217A904ED315}x"}) {
        EXPECT_FALSE(hosting::guidFromText(bad)) << bad;
    }
}

}  // namespace
}  // namespace korbit::testing
