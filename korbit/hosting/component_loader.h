// Creating the library's objects by program identifier, and registering and
// unregistering a component library.
//
// A program identifier is looked up in the per-user registry first
// (registry_file.h). When it has no entry, or its entry names a library that
// no longer exists or was built for another interface version, and it is
// one of the library's own identifiers (Korbit.KorbitControl, Korbit.SHA256,
// Korbit.BinHexDecCls), libkorbit.so is searched beside the running program:
// so an installed program works without registration, and so does the build
// tree.
//
// Nothing is read or loaded that someone but root and the running user could
// have put in place (platform::checkOwnedPath): a registry or a registered
// library refused so gives way to the library installed with the program,
// with a notice that names the refused file and why; the installed library
// must pass the same checks.
//
// No object is made from a library of another interface version
// (component_abi.h): the version a registration recorded is compared before
// the library is loaded, and the one the loaded library reports before any
// of its objects is asked for. A registered library refused so gives way to
// the library installed with the program; only when that is missing or
// refused too does creating fail, with a message that names both versions.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "korbit/control/values/component_abi.h"
#include "korbit/hosting/com_ptr.h"

namespace korbit::hosting {

// The folder of the running program (/proc/self/exe), its sibling folder
// "korbit", where the build tree puts the library, and the installation's
// private library folder as seen from the program's
// (../lib/x86_64-linux-gnu/korbit, say). Empty when the program's own path
// cannot be read.
std::vector<std::filesystem::path> defaultSearchFolders();

// The library this program came with: the first libkorbit.so (or
// libkorbit.so.<major>) in defaultSearchFolders(); none when there is none.
std::optional<std::filesystem::path> bundledLibrary();

struct LoaderOptions {
    // The registry to consult; empty: registryFilePath().
    std::filesystem::path registryFile;
    // Searched in order for libkorbit.so (then libkorbit.so.<major>).
    std::vector<std::filesystem::path> searchFolders = defaultSearchFolders();
};

// Where a program identifier leads.
struct ComponentLocation {
    std::string progId;
    KorbitGuid clsid{};
    std::filesystem::path library;
    bool registered = false;  // found in the registry rather than by the search
    std::string notice;       // why a registry or a registered library was passed over, if one was
};

class ComponentLoader {
public:
    ComponentLoader() = default;
    explicit ComponentLoader(LoaderOptions options) : options_(std::move(options)) {}

    // Throws ComponentError: kNotRegistered, kLibraryMissing (the
    // registered library is gone and the search found none),
    // kRegistryDamaged (the registry is unreadable and the search found
    // none), kVersionMismatch (the registration is of another version and
    // the search found none), kNotTrusted (the registry or the registered
    // library was refused and the search found none).
    ComponentLocation locate(std::string_view progId) const;

    // A new object of the class `progId` names, by its dispatch interface;
    // `notice`, when given, gets why a registry or a registered library was
    // passed over (empty when none was). Throws ComponentError: locate's failures,
    // kVersionMismatch (the library to use reports another version), and
    // those of ComponentLibrary::load and ComponentLibrary::createInstance.
    ComPtr<com::IDispatch> createObject(std::string_view progId, std::string* notice = nullptr) const;

private:
    LoaderOptions options_;
};

// ComponentLoader().createObject(progId, notice).
ComPtr<com::IDispatch> createObject(std::string_view progId, std::string* notice = nullptr);

// Loads the library at `library` and has it record its classes in, or
// remove them from, the per-user registry. Throws ComponentError; when the
// library reports a failure, the message tells what is wrong with the
// registry if it can tell.
void registerServer(const std::filesystem::path& library);
void unregisterServer(const std::filesystem::path& library);

}  // namespace korbit::hosting
