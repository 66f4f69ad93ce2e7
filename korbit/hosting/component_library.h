// One component library loaded into the hosting process.
//
// Unloading policy: a library is loaded once per path (dlopen with
// RTLD_NOW | RTLD_LOCAL) and stays loaded until the process ends. Objects,
// the member descriptions they hand out and any value they leave behind may
// point into the library's code, so unloading could only ever save a few
// pages and would risk calls into unmapped memory. canUnloadNow() still
// reports what the library says.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <utility>

#include "korbit/control/values/component_abi.h"
#include "korbit/hosting/com_ptr.h"

namespace korbit::hosting {

class ComponentLibrary {
public:
    // The library at `path` (made absolute, not resolved through links),
    // loaded on first use, and only when no one but root and the running
    // user can have put it there (platform::checkOwnedPath). Throws
    // ComponentError: kLibraryMissing, kNotTrusted, kLibraryNotLoaded.
    static ComponentLibrary& load(const std::filesystem::path& path);

    ComponentLibrary(const ComponentLibrary&) = delete;
    ComponentLibrary& operator=(const ComponentLibrary&) = delete;

    const std::filesystem::path& path() const noexcept { return path_; }

    // The class factory of `clsid`. Throws ComponentError:
    // kEntryPointMissing, kClassNotAvailable, kCallFailed.
    ComPtr<com::IClassFactory> classFactory(const KorbitGuid& clsid) const;

    // A new object of class `clsid`, by its dispatch interface. `name`
    // stands for the class in messages (its program identifier, say).
    // Throws as classFactory, and kCallFailed when the factory fails.
    ComPtr<com::IDispatch> createInstance(const KorbitGuid& clsid, std::string_view name = {}) const;

    // The component interface version the library reports (component_abi.h);
    // 0 when it reports none, as builds from before there was one. Throws
    // ComponentError kEntryPointMissing.
    std::uint32_t interfaceVersion() const;

    // What DllCanUnloadNow says: kOk when none of the library's objects,
    // class factories or server locks is alive, kFalse otherwise. Throws
    // ComponentError kEntryPointMissing.
    com::HResult canUnloadNow() const;

    // DllRegisterServer / DllUnregisterServer. Throws ComponentError:
    // kEntryPointMissing, or kCallFailed with the status they returned.
    void registerServer() const;
    void unregisterServer() const;

private:
    ComponentLibrary(std::filesystem::path path, void* handle) noexcept : path_(std::move(path)), handle_(handle) {}

    // Throws ComponentError kEntryPointMissing.
    void* entryPoint(const char* name) const;

    std::filesystem::path path_;
    void* handle_;
};

}  // namespace korbit::hosting
