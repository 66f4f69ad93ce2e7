// The hosts read a registry, and load a library, only where nobody but root
// and the running user could have put it: a library's code runs the moment
// it is loaded. What is refused gives way to the library installed with the
// program, and the notice names it.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "component/component_test_support.h"
#include "korbit/hosting/hosting.h"

namespace korbit::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kLibrary = KORBIT_LIBRARY_FILE;
constexpr uid_t kOtherUser = 65534;

// True when the library file at `path` is loaded in this process.
bool loaded(const fs::path& path) {
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle != nullptr) {
        ::dlclose(handle);
    }
    return handle != nullptr;
}

void own(const fs::path& path, uid_t user) { ASSERT_EQ(::lchown(path.c_str(), user, user), 0) << path; }
void mode(const fs::path& path, mode_t bits) { ASSERT_EQ(::chmod(path.c_str(), bits), 0) << path; }

TEST(OwnedFiles, ARegistryOrLibrarySomeoneElseControlsIsNeitherReadNorLoaded) {
    // Each case plants a working copy of the library, registered in
    // `registry`, under a folder of the scratch folder; `arrange` gives the
    // planted files their owners and modes.
    struct Case {
        const char* what;
        bool needsRoot;  // another user's files, or a folder of root's, only root can arrange
        std::function<void(const fs::path& registry, const fs::path& library)> arrange;
        bool refused;
        const char* refusedFile;  // "registry" or "library": what the notice names
        const char* why;
    };
    const Case cases[] = {
        {"the registry in another user's folder", true,
         [](const fs::path& registry, const fs::path&) {
             own(registry.parent_path(), kOtherUser);
             own(registry, kOtherUser);
         },
         true, "registry", "belongs to nobody (uid 65534), neither you nor root"},
        {"the registry in a folder everyone may write", false,
         [](const fs::path& registry, const fs::path&) { mode(registry.parent_path(), 0777); }, true, "registry",
         "may be written by users other than you and root (mode 0777)"},
        {"the registry writable by its group", false,
         [](const fs::path& registry, const fs::path&) { mode(registry, 0664); }, true, "registry", "(mode 0664)"},
        {"the registered library another user's", true,
         [](const fs::path&, const fs::path& library) { own(library, kOtherUser); }, true, "library",
         "belongs to nobody (uid 65534)"},
        {"the registered library another user's, in a sticky folder of root's", true,
         [](const fs::path&, const fs::path& library) {
             mode(library.parent_path(), 01777);
             own(library, kOtherUser);
         },
         true, "library", "belongs to nobody (uid 65534)"},
        {"the registered library reached through another user's link", true,
         [](const fs::path&, const fs::path& library) {
             fs::rename(library, library.string() + ".real");
             fs::create_symlink(library.string() + ".real", library);
             own(library, kOtherUser);
         },
         true, "library", "belongs to nobody (uid 65534)"},
        {"the registered library below a folder others may write", false,
         [](const fs::path&, const fs::path& library) { mode(library.parent_path().parent_path(), 0757); }, true,
         "library", "(mode 0757)"},
        // As a clone under /tmp: the user's own files in root's sticky folder.
        {"the user's own registry and library in a sticky folder of root's", true,
         [](const fs::path& registry, const fs::path& library) {
             mode(registry.parent_path(), 01777);
             mode(library.parent_path(), 01777);
         },
         false, "", ""},
    };
    int skipped = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.needsRoot && ::geteuid() != 0) {
            ++skipped;
            continue;
        }
        TempFolder scratch;
        fs::permissions(scratch.path(), fs::perms(0755));
        const fs::path registry = scratch.path() / "data" / "korbit" / "registry.ini";
        const fs::path library = scratch.path() / "lib" / "planted" / "libkorbit.so";
        fs::create_directories(library.parent_path());
        fs::copy_file(kLibrary, library);
        hosting::addRegistryEntries(
            registry, {{"Korbit.KorbitControl", com::kCLSID_KorbitControl, library, com::kInterfaceVersion}});
        c.arrange(registry, library);

        std::string notice;
        const hosting::ComponentLoader loader({registry, {kLibrary.parent_path()}});
        EXPECT_TRUE(loader.createObject("Korbit.KorbitControl", &notice));
        EXPECT_EQ(loaded(library), !c.refused);
        if (!c.refused) {
            EXPECT_EQ(notice, "");
            continue;
        }
        const std::string named = std::string(c.refusedFile) == "registry"
                                      ? "The component registry " + registry.string() + " was not read: "
                                      : "The library registered for Korbit.KorbitControl, " + library.string() +
                                            ", was not loaded: ";
        EXPECT_TRUE(notice.starts_with(named)) << notice;
        EXPECT_NE(notice.find(c.why), std::string::npos) << notice;
        EXPECT_NE(notice.find("The library installed with this program is used: " + kLibrary.parent_path().string()),
                  std::string::npos)
            << notice;
        // Loading it by name is refused too, before its code could run.
        if (std::string(c.refusedFile) == "library") {
            try {
                (void)hosting::ComponentLibrary::load(library);
                ADD_FAILURE() << "loaded";
            } catch (const hosting::ComponentError& e) {
                EXPECT_EQ(e.failure(), hosting::ComponentFailure::kNotTrusted) << e.what();
            }
            EXPECT_FALSE(loaded(library));
        }
    }
    if (skipped > 0) {
        GTEST_SKIP() << skipped << " cases need root: their files must belong to another user (uid 65534) or lie in a "
                                   "folder of root's";
    }
}

}  // namespace
}  // namespace korbit::testing
