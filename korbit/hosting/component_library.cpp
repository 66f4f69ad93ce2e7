#include "korbit/hosting/component_library.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>

#include "korbit/hosting/component_error.h"
#include "korbit/hosting/registry/guid.h"
#include "korbit/platform/loaded_library.h"

namespace korbit::hosting {

namespace fs = std::filesystem;

namespace {

std::string describe(const KorbitGuid& clsid, std::string_view name) {
    return name.empty() ? guidToText(clsid) : std::string(name) + " (" + guidToText(clsid) + ")";
}

}  // namespace

ComponentLibrary& ComponentLibrary::load(const fs::path& path) {
    static std::mutex mutex;
    static std::map<std::string, std::unique_ptr<ComponentLibrary>> loaded;

    std::error_code error;
    fs::path absolute = fs::absolute(path, error).lexically_normal();
    if (error) {
        throw ComponentError(ComponentFailure::kLibraryMissing, com::kFail,
                             "The library " + path.string() + " cannot be found: " + error.message() + ".");
    }
    const std::lock_guard lock(mutex);
    if (auto it = loaded.find(absolute.string()); it != loaded.end()) {
        return *it->second;
    }
    if (!fs::exists(absolute, error)) {
        throw ComponentError(ComponentFailure::kLibraryMissing, com::kFail,
                             "The library " + absolute.string() + " does not exist.");
    }
    const engine::Result<void*> handle = platform::loadLibrary(absolute.string());
    if (!handle && handle.status().code() == engine::ErrorCode::AccessDenied) {
        throw ComponentError(ComponentFailure::kNotTrusted, com::kFail,
                             "The library " + absolute.string() + " was not loaded: " + handle.status().message() +
                                 ".");
    }
    if (!handle) {
        throw ComponentError(ComponentFailure::kLibraryNotLoaded, com::kFail,
                             "The library " + absolute.string() + " cannot be loaded: " + handle.status().message() +
                                 ".");
    }
    const std::string key = absolute.string();
    auto library = std::unique_ptr<ComponentLibrary>(new ComponentLibrary(std::move(absolute), handle.value()));
    return *loaded.emplace(key, std::move(library)).first->second;
}

void* ComponentLibrary::entryPoint(const char* name) const {
    void* symbol = platform::entryPointOf(handle_, name);
    if (symbol == nullptr) {
        throw ComponentError(ComponentFailure::kEntryPointMissing, com::kFail,
                             "The library " + path_.string() + " does not export " + name +
                                 "; it is not a Korbit component library.");
    }
    return symbol;
}

ComPtr<com::IClassFactory> ComponentLibrary::classFactory(const KorbitGuid& clsid) const {
    const auto getClassObject = reinterpret_cast<KorbitDllGetClassObjectFn>(entryPoint("DllGetClassObject"));
    ComPtr<com::IClassFactory> factory;
    const com::HResult status = getClassObject(&clsid, &com::kIID_IClassFactory, factory.put());
    if (status == com::kClassNotAvailable) {
        throw ComponentError(ComponentFailure::kClassNotAvailable, status,
                             "The library " + path_.string() + " does not provide the class " + guidToText(clsid) +
                                 ".");
    }
    if (status != com::kOk || !factory) {
        throw ComponentError(ComponentFailure::kCallFailed, status != com::kOk ? status : com::kPointer,
                             "The library " + path_.string() + " gave no class factory for " + guidToText(clsid) +
                                 " (status " + statusText(status) + ").");
    }
    return factory;
}

ComPtr<com::IDispatch> ComponentLibrary::createInstance(const KorbitGuid& clsid, std::string_view name) const {
    ComPtr<com::IClassFactory> factory;
    try {
        factory = classFactory(clsid);
    } catch (const ComponentError& e) {
        if (e.failure() != ComponentFailure::kClassNotAvailable || name.empty()) {
            throw;
        }
        throw ComponentError(e.failure(), e.code(),
                             "The library " + path_.string() + " does not provide " + describe(clsid, name) + ".");
    }
    ComPtr<com::IDispatch> object;
    const com::HResult status = factory->CreateInstance(nullptr, com::kIID_IDispatch, object.put());
    if (status != com::kOk || !object) {
        throw ComponentError(ComponentFailure::kCallFailed, status != com::kOk ? status : com::kPointer,
                             "The library " + path_.string() + " could not create " + describe(clsid, name) +
                                 " (status " + statusText(status) + ").");
    }
    return object;
}

std::uint32_t ComponentLibrary::interfaceVersion() const {
    const auto getClassObject = reinterpret_cast<KorbitDllGetClassObjectFn>(entryPoint("DllGetClassObject"));
    void* out = nullptr;
    if (getClassObject(&com::kCLSID_ComponentInfo, &com::kIID_IComponentInfo, &out) != com::kOk || out == nullptr) {
        return 0;
    }
    auto* info = static_cast<com::IComponentInfo*>(out);
    const std::uint32_t version = info->InterfaceVersion();
    info->Release();
    return version;
}

com::HResult ComponentLibrary::canUnloadNow() const {
    return reinterpret_cast<KorbitDllCanUnloadNowFn>(entryPoint("DllCanUnloadNow"))();
}

void ComponentLibrary::registerServer() const {
    const com::HResult status = reinterpret_cast<KorbitDllRegisterServerFn>(entryPoint("DllRegisterServer"))();
    if (status != com::kOk) {
        throw ComponentError(ComponentFailure::kCallFailed, status,
                             "The library " + path_.string() + " could not register its classes (status " +
                                 statusText(status) + ").");
    }
}

void ComponentLibrary::unregisterServer() const {
    const com::HResult status = reinterpret_cast<KorbitDllUnregisterServerFn>(entryPoint("DllUnregisterServer"))();
    if (status != com::kOk) {
        throw ComponentError(ComponentFailure::kCallFailed, status,
                             "The library " + path_.string() + " could not unregister its classes (status " +
                                 statusText(status) + ").");
    }
}

}  // namespace korbit::hosting
