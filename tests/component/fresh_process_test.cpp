// The library as a host meets it: found by program identifier, loaded by a
// process that has loaded nothing before, counted while its objects live.
#include <gtest/gtest.h>

#include <filesystem>

#include "component/component_test_support.h"
#include "korbit/hosting/component_error.h"
#include "korbit/hosting/registry/registry_file.h"

namespace korbit::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kLibrary = KORBIT_LIBRARY_FILE;
const fs::path kProbe = KORBIT_PROBE_FILE;

class FreshProcess : public ::testing::Test {
protected:
    ChildResult probe(const std::vector<std::string>& args) {
        return runChild(kProbe, args, {{"XDG_DATA_HOME", data_.path().string()}, {"HOME", data_.path().string()}});
    }

    fs::path registry() const { return data_.path() / "korbit" / "registry.ini"; }

    TempFolder data_;
};

TEST_F(FreshProcess, TwoControlsKeepTheLibraryBusyUntilBothAreReleased) {
    const ChildResult registered = probe({"register", kLibrary.string()});
    ASSERT_EQ(registered.exitCode, 0) << registered.output;

    const ChildResult run = probe({"lifetime"});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(field(run.output, "registered"), "1") << run.output;
    EXPECT_TRUE(fs::equivalent(field(run.output, "library").value_or(""), kLibrary)) << run.output;
    EXPECT_EQ(field(run.output, "distinct"), "1");
    EXPECT_EQ(field(run.output, "before"), "0");  // S_OK
    EXPECT_EQ(field(run.output, "both"), "1");    // S_FALSE
    EXPECT_EQ(field(run.output, "one"), "1");
    EXPECT_EQ(field(run.output, "none"), "0");
    EXPECT_EQ(field(run.output, "factory"), "1");  // a class factory alive keeps it too
    EXPECT_EQ(field(run.output, "locked"), "1");   // so does LockServer
    EXPECT_EQ(field(run.output, "unlocked"), "0");
}

TEST_F(FreshProcess, UnregisteredIdentifiersFindTheLibraryBesideTheProgram) {
    // The tests live in the build tree's tests/ folder, the library in korbit/.
    const ChildResult run = probe({"create", "korbit.sha256"});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(field(run.output, "registered"), "0");
    EXPECT_TRUE(fs::equivalent(field(run.output, "library").value_or(""), kLibrary)) << run.output;
    EXPECT_EQ(field(run.output, "class"), "{5B2C7E42-9D3A-4F1E-8C6B-217A904ED315}");
    EXPECT_FALSE(fs::exists(registry()));
}

TEST_F(FreshProcess, RegisterAndUnregisterCommandsRoundTrip) {
    ASSERT_EQ(probe({"register", kLibrary.string()}).exitCode, 0);
    EXPECT_EQ(hosting::readRegistry(registry()).size(), 3U);
    ASSERT_EQ(probe({"unregister", kLibrary.string()}).exitCode, 0);
    EXPECT_FALSE(fs::exists(registry()));

    const ChildResult bogus = probe({"register", (data_.path() / "libnothing.so").string()});
    const auto missing = static_cast<int>(hosting::ComponentFailure::kLibraryMissing);
    EXPECT_EQ(bogus.exitCode, 3);
    EXPECT_TRUE(bogus.output.starts_with("error=" + std::to_string(missing) + " ")) << bogus.output;
}

}  // namespace
}  // namespace korbit::testing
