#include "korbit/hosting/component_loader.h"

#include <optional>
#include <system_error>

#include "korbit/hosting/component_error.h"
#include "korbit/hosting/component_library.h"
#include "korbit/hosting/registry/registry_file.h"
#include "korbit/platform/loaded_library.h"
#include "korbit/platform/ownership.h"

namespace korbit::hosting {

namespace fs = std::filesystem;

namespace {

struct OwnClass {
    const char* progId;
    const KorbitGuid* clsid;
};

constexpr OwnClass kOwnClasses[] = {
    {com::kProgIdKorbitControl, &com::kCLSID_KorbitControl},
    {com::kProgIdSHA256, &com::kCLSID_SHA256},
    {com::kProgIdBinHexDecCls, &com::kCLSID_BinHexDecCls},
};

const OwnClass* ownClass(std::string_view progId) {
    for (const OwnClass& c : kOwnClasses) {
        if (control::equalsIgnoreCase(c.progId, progId)) {
            return &c;
        }
    }
    return nullptr;
}

// The development link first, then the run-time name the library is
// installed under.
std::vector<std::string> libraryFileNames() {
    const std::string_view version = KORBIT_VERSION;
    return {"libkorbit.so", "libkorbit.so." + std::string(version.substr(0, version.find('.')))};
}

std::optional<fs::path> searchLibrary(const std::vector<fs::path>& folders) {
    for (const fs::path& folder : folders) {
        for (const std::string& name : libraryFileNames()) {
            std::error_code error;
            if (fs::is_regular_file(folder / name, error)) {
                return folder / name;
            }
        }
    }
    return std::nullopt;
}

constexpr const char* kOneInstalledUsed = " The one installed with it is used: ";

std::string listed(const std::vector<fs::path>& folders) {
    std::string text;
    for (const fs::path& folder : folders) {
        text += (text.empty() ? "" : ", ") + folder.string();
    }
    return text.empty() ? "no folder" : text;
}

std::string versionText(std::uint32_t version) {
    return version == 0 ? std::string("no interface version (a build older than this program's interface)")
                        : "interface version " + std::to_string(version);
}

std::string versionMismatch(const fs::path& library, std::uint32_t version, bool recorded) {
    return "The library " + library.string() + (recorded ? " was registered with " : " reports ") +
           versionText(version) + "; this program needs interface version " + std::to_string(com::kInterfaceVersion) +
           ".";
}

// Explains a failed registration when the registry is the reason.
[[noreturn]] void rethrowExplained(const ComponentError& e) {
    if (e.failure() != ComponentFailure::kCallFailed) {
        throw e;
    }
    std::string why;
    try {
        const fs::path file = registryFilePath();
        (void)readRegistry(file);
        why = " Check that " + file.string() + " and its folder can be written.";
    } catch (const RegistryError& r) {
        why = std::string(" ") + r.what() + ".";
    }
    throw ComponentError(e.failure(), e.code(), e.what() + why);
}

}  // namespace

std::vector<fs::path> defaultSearchFolders() {
    const fs::path program = platform::runningProgram();
    if (program.empty() || !program.has_parent_path()) {
        return {};
    }
    const fs::path folder = program.parent_path();
    // Beside the program, the build tree's library folder, and the private
    // library folder of the installation the program belongs to (relative,
    // so an installation or an unpacked package works wherever it lies).
    return {folder, folder.parent_path() / "korbit", (folder / KORBIT_RELATIVE_PRIVATE_LIBDIR).lexically_normal()};
}

std::optional<fs::path> bundledLibrary() { return searchLibrary(defaultSearchFolders()); }

namespace {

// The class's own library installed with this program, used in place of a
// registered one; `passedOver` says why that one was, `used` how the notice
// goes on. Nothing when the class is not this library's or none is installed.
std::optional<ComponentLocation> installedInstead(const OwnClass* own, const std::vector<fs::path>& folders,
                                                  const std::string& passedOver, const char* used) {
    if (own == nullptr) {
        return std::nullopt;
    }
    std::optional<fs::path> library = searchLibrary(folders);
    if (!library) {
        return std::nullopt;
    }
    std::string notice = passedOver.empty() ? std::string() : passedOver + used + library->string() + ".";
    return ComponentLocation{own->progId, *own->clsid, std::move(*library), false, std::move(notice)};
}

}  // namespace

ComponentLocation ComponentLoader::locate(std::string_view progId) const {
    std::optional<ComponentError> registryProblem;
    fs::path registry = options_.registryFile;
    try {
        if (registry.empty()) {
            registry = registryFilePath();
        }
        // Someone else's registry would choose the code this process runs. A
        // registry that is not there is no registry, wherever it would be.
        std::error_code absent;
        const engine::Status registryOwned = fs::exists(registry, absent) || absent
                                                  ? platform::checkOwnedPath(registry.string())
                                                  : engine::Status(engine::ErrorCode::NotFound, registry.string());
        std::optional<RegistryEntry> entry;
        if (registryOwned) {
            entry = findRegistryEntry(registry, progId);
        } else if (registryOwned.code() != engine::ErrorCode::NotFound) {
            registryProblem.emplace(ComponentFailure::kNotTrusted, com::kClassNotRegistered,
                                    "The component registry " + registry.string() +
                                        " was not read: " + registryOwned.message() + ".");
        }
        if (entry) {
            const engine::Status libraryOwned = platform::checkOwnedPath(entry->library.string());
            const std::string registered =
                "The library registered for " + std::string(progId) + ", " + entry->library.string();
            if (entry->version != 0 && entry->version != com::kInterfaceVersion) {
                // Not even loaded: its vtables are not this program's.
                registryProblem.emplace(ComponentFailure::kVersionMismatch, com::kClassNotRegistered,
                                        versionMismatch(entry->library, entry->version, true));
            } else if (libraryOwned) {
                return {entry->progId, entry->clsid, entry->library, true, {}};
            } else if (libraryOwned.code() == engine::ErrorCode::NotFound) {
                registryProblem.emplace(ComponentFailure::kLibraryMissing, com::kClassNotRegistered,
                                        registered + ", does not exist.");
            } else {
                registryProblem.emplace(ComponentFailure::kNotTrusted, com::kClassNotRegistered,
                                        registered + ", was not loaded: " + libraryOwned.message() + ".");
            }
        }
    } catch (const RegistryError& e) {
        registryProblem.emplace(ComponentFailure::kRegistryDamaged, com::kClassNotRegistered, e.what());
    }

    const OwnClass* own = ownClass(progId);
    std::string passedOver;
    const char* used = kOneInstalledUsed;
    if (registryProblem && registryProblem->failure() == ComponentFailure::kVersionMismatch) {
        passedOver = registryProblem->what();
    } else if (registryProblem && registryProblem->failure() == ComponentFailure::kNotTrusted) {
        passedOver = registryProblem->what();
        used = " The library installed with this program is used: ";
    }
    if (std::optional<ComponentLocation> installed = installedInstead(own, options_.searchFolders, passedOver, used)) {
        return *installed;
    }
    if (registryProblem) {
        throw *registryProblem;
    }
    std::string message = std::string(progId) + " is not registered (no entry in " + registry.string() + ")";
    if (own != nullptr) {
        message += " and no libkorbit.so was found in " + listed(options_.searchFolders);
    }
    throw ComponentError(ComponentFailure::kNotRegistered, com::kClassNotRegistered, message + ".");
}

ComPtr<com::IDispatch> ComponentLoader::createObject(std::string_view progId, std::string* notice) const {
    ComponentLocation location = locate(progId);
    const ComponentLibrary* library = &ComponentLibrary::load(location.library);
    if (const std::uint32_t version = library->interfaceVersion(); version != com::kInterfaceVersion) {
        const std::string refused = versionMismatch(library->path(), version, false);
        std::optional<ComponentLocation> installed =
            location.registered ? installedInstead(ownClass(progId), options_.searchFolders, refused, kOneInstalledUsed) : std::nullopt;
        if (!installed) {
            throw ComponentError(ComponentFailure::kVersionMismatch, com::kClassNotRegistered,
                                 refused + " Register the library that came with this program (korbit register).");
        }
        library = &ComponentLibrary::load(installed->library);
        if (const std::uint32_t theirs = library->interfaceVersion(); theirs != com::kInterfaceVersion) {
            throw ComponentError(ComponentFailure::kVersionMismatch, com::kClassNotRegistered,
                                 refused + " " + versionMismatch(library->path(), theirs, false));
        }
        location = std::move(*installed);
    }
    if (notice != nullptr) {
        *notice = location.notice;
    }
    return library->createInstance(location.clsid, location.progId);
}

ComPtr<com::IDispatch> createObject(std::string_view progId, std::string* notice) {
    return ComponentLoader().createObject(progId, notice);
}

void registerServer(const fs::path& library) {
    try {
        ComponentLibrary::load(library).registerServer();
    } catch (const ComponentError& e) {
        rethrowExplained(e);
    }
}

void unregisterServer(const fs::path& library) {
    try {
        ComponentLibrary::load(library).unregisterServer();
    } catch (const ComponentError& e) {
        rethrowExplained(e);
    }
}

}  // namespace korbit::hosting
