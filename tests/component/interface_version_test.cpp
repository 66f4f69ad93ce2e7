// The versioned interface between the library and its hosts: what the
// library reports and registers, and a loader that makes no object from a
// library of another version but falls back to the one installed with the
// program.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "component/component_test_support.h"
#include "korbit/hosting/hosting.h"

namespace korbit::testing {
namespace {

namespace fs = std::filesystem;
using hosting::ComponentError;
using hosting::ComponentFailure;

const fs::path kLibrary = KORBIT_LIBRARY_FILE;
const fs::path kOtherBuild = KORBIT_OTHER_BUILD_FILE;

TEST(InterfaceVersion, TheLibraryReportsAndRegistersItsVersion) {
    EXPECT_EQ(hosting::ComponentLibrary::load(kLibrary).interfaceVersion(), com::kInterfaceVersion);

    TempFolder data;
    ScopedEnv xdg("XDG_DATA_HOME", data.path().string());
    hosting::registerServer(kLibrary);
    for (const hosting::RegistryEntry& entry : hosting::readRegistry(hosting::registryFilePath())) {
        EXPECT_EQ(entry.version, com::kInterfaceVersion) << entry.progId;
    }
}

TEST(InterfaceVersion, ALibraryOfAnotherVersionGivesWayToTheInstalledOneOrIsRefused) {
    const std::string other = std::to_string(com::kInterfaceVersion + 1);
    const std::string needs = "needs interface version " + std::to_string(com::kInterfaceVersion);
    const struct Case {
        const char* what;
        fs::path registered;
        std::uint32_t recorded;      // the version the registration recorded
        const char* reports;         // what the library reports; null: nothing
        std::string says;            // in the refusal and in the notice
    } cases[] = {
        {"registered for another version", kLibrary, com::kInterfaceVersion + 1, nullptr,
         "was registered with interface version " + other},
        {"reports another version", kOtherBuild, com::kInterfaceVersion, other.c_str(),
         "reports interface version " + other},
        {"an older build that reports none", kOtherBuild, 0, nullptr, "reports no interface version"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder data;
        const fs::path registry = data.path() / "registry.ini";
        hosting::addRegistryEntries(registry, {{"Korbit.KorbitControl", com::kCLSID_KorbitControl, c.registered,
                                                c.recorded}});
        ScopedEnv reported("KORBIT_TEST_INTERFACE_VERSION",
                           c.reports ? std::optional<std::string>(c.reports) : std::nullopt);

        std::string notice;
        const hosting::ComponentLoader withInstalled({registry, {kLibrary.parent_path()}});
        EXPECT_TRUE(withInstalled.createObject("Korbit.KorbitControl", &notice));
        EXPECT_NE(notice.find(c.says), std::string::npos) << notice;
        EXPECT_NE(notice.find(needs), std::string::npos) << notice;
        EXPECT_NE(notice.find("is used: " + kLibrary.parent_path().string()), std::string::npos) << notice;

        const hosting::ComponentLoader alone({registry, {}});
        try {
            (void)alone.createObject("Korbit.KorbitControl");
            ADD_FAILURE() << "an object was made";
        } catch (const ComponentError& e) {
            EXPECT_EQ(e.failure(), ComponentFailure::kVersionMismatch);
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(needs), std::string::npos) << e.what();
        }
    }
}

}  // namespace
}  // namespace korbit::testing
