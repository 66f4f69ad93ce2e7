// libkorbit.so as an in-process component server: the four exported entry
// points, a class factory per creatable class, and the reference-counted
// objects that put IUnknown, IDispatch and (for the control) IObjectWithHost
// in front of a DispatchObject.
//
// Nothing thrown inside gets out: every entry point and interface method
// catches all and answers with a status code.
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "korbit/control/classes.h"
#include "korbit/control/values/component_abi.h"
#include "korbit/hosting/registry/registry_file.h"
#include "korbit/platform/loaded_library.h"
#include "korbit/platform/text_encoding.h"

#define KORBIT_EXPORT extern "C" __attribute__((visibility("default")))

KORBIT_EXPORT korbit::com::HResult DllGetClassObject(const KorbitGuid* clsid, const KorbitGuid* iid, void** out);
KORBIT_EXPORT korbit::com::HResult DllCanUnloadNow();
KORBIT_EXPORT korbit::com::HResult DllRegisterServer();
KORBIT_EXPORT korbit::com::HResult DllUnregisterServer();

namespace korbit::com {

namespace {

namespace fs = std::filesystem;
using control::DispatchObject;
using control::MemberKind;

constexpr HResult kOutOfMemory = static_cast<HResult>(0x8007000EU);  // E_OUTOFMEMORY

// Everything alive that keeps the library from being unloaded: objects,
// class factories, and the locks of LockServer.
std::atomic<std::int64_t> gLiveObjects{0};
std::atomic<std::int64_t> gServerLocks{0};

class ModuleReference {
public:
    ModuleReference() noexcept { ++gLiveObjects; }
    ModuleReference(const ModuleReference&) = delete;
    ModuleReference& operator=(const ModuleReference&) = delete;
    ~ModuleReference() { --gLiveObjects; }
};

// Decrements `count` unless it is already zero; the value before.
template <typename T>
T decrementAboveZero(std::atomic<T>& count) noexcept {
    T current = count.load();
    while (current > 0 && !count.compare_exchange_weak(current, current - 1)) {
    }
    return current;
}

struct ClassEntry {
    const KorbitGuid* clsid;
    const char* progId;
    std::unique_ptr<DispatchObject> (*create)();
    bool takesHost;
};

std::unique_ptr<DispatchObject> createControl() { return control::newKorbitControl(nullptr); }

const ClassEntry kClasses[] = {
    {&kCLSID_KorbitControl, kProgIdKorbitControl, &createControl, true},
    {&kCLSID_SHA256, kProgIdSHA256, &control::newSHA256, false},
    {&kCLSID_BinHexDecCls, kProgIdBinHexDecCls, &control::newBinHexDecCls, false},
};

// The reference count of one object. Release below zero is refused: a
// host that releases once too often gets 0 back instead of a wrapped count.
class RefCount {
public:
    std::uint32_t add() noexcept { return ++count_; }
    std::uint32_t release() noexcept {
        const std::uint32_t before = decrementAboveZero(count_);
        return before == 0 ? 0 : before - 1;
    }

private:
    std::atomic<std::uint32_t> count_{1};
};

// Member names are ASCII; a name with any other character names nothing.
bool asciiName(const char16_t* name, std::string& out) {
    for (; *name != u'\0'; ++name) {
        if (*name > 0x7F) {
            return false;
        }
        out.push_back(static_cast<char>(*name));
    }
    return true;
}

// The member kinds `flags` allows, in the order they are tried.
std::vector<MemberKind> memberKinds(std::uint16_t flags) {
    std::vector<MemberKind> kinds;
    if ((flags & kInvokeMethod) != 0) {
        kinds.push_back(MemberKind::kMethod);
    }
    if ((flags & kInvokePropertyGet) != 0) {
        kinds.push_back(MemberKind::kPropertyGet);
    }
    if ((flags & kInvokePropertyPut) != 0) {
        kinds.push_back(MemberKind::kPropertyPut);
    }
    return kinds;
}

class ComObject final : public IDispatch, public IObjectWithHost {
public:
    ComObject(std::unique_ptr<DispatchObject> object, const ClassEntry& entry)
        : object_(std::move(object)), entry_(entry) {}
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    HResult QueryInterface(const KorbitGuid& iid, void** out) noexcept override {
        if (out == nullptr) {
            return kPointer;
        }
        *out = nullptr;
        if (iid == kIID_IUnknown || iid == kIID_IDispatch) {
            *out = static_cast<IDispatch*>(this);
        } else if (iid == kIID_IObjectWithHost && entry_.takesHost) {
            *out = static_cast<IObjectWithHost*>(this);
        } else {
            return kNoInterface;
        }
        AddRef();
        return kOk;
    }

    std::uint32_t AddRef() noexcept override { return refs_.add(); }

    std::uint32_t Release() noexcept override {
        const std::uint32_t left = refs_.release();
        if (left == 0) {
            delete this;
        }
        return left;
    }

    HResult GetIDsOfNames(const char16_t* name, std::int32_t* dispid) noexcept override {
        if (name == nullptr || dispid == nullptr) {
            return kPointer;
        }
        *dispid = -1;
        try {
            std::string ascii;
            if (!asciiName(name, ascii)) {
                return control::status::kUnknownName;
            }
            const control::MethodInfo* member = object_->interfaceInfo().find(ascii);
            if (member == nullptr) {
                return control::status::kUnknownName;
            }
            *dispid = member->dispid;
            return kOk;
        } catch (const std::bad_alloc&) {
            return kOutOfMemory;
        } catch (...) {
            return kFail;
        }
    }

    HResult Invoke(std::int32_t dispid, std::uint16_t flags, control::Value* args, std::size_t count,
                   control::Value* result, ExceptionInfo* info) noexcept override {
        if (args == nullptr && count > 0) {
            return kPointer;
        }
        try {
            if (result != nullptr) {
                *result = control::Value();
            }
            if (info != nullptr) {
                *info = ExceptionInfo();
            }
            std::optional<MemberKind> kind;
            for (const MemberKind k : memberKinds(flags)) {
                if (object_->interfaceInfo().find(dispid, k) != nullptr) {
                    kind = k;
                    break;
                }
            }
            control::InvokeResult outcome;
            if (kind) {
                // The caller's values stay untouched until the call is over,
                // so running out of memory on the way in leaves them as they
                // were.
                std::vector<control::Value> values(args, args + count);
                outcome = control::invoke(*object_, dispid, values, *kind);
                std::move(values.begin(), values.end(), args);
            } else {
                outcome.status = control::status::kMemberNotFound;
                outcome.description = "Object doesn't support this property or method";
            }
            if (!outcome.ok()) {
                if (info != nullptr) {
                    info->errorNumber = outcome.errorNumber;
                    info->argumentError = outcome.argumentError;
                    info->source = platform::fromUtf8(entry_.progId);
                    info->description = platform::fromUtf8(outcome.description);
                }
                return outcome.status;
            }
            if (result != nullptr) {
                *result = std::move(outcome.result);
            }
            return kOk;
        } catch (const std::bad_alloc&) {
            return kOutOfMemory;
        } catch (...) {
            return kFail;
        }
    }

    const control::InterfaceInfo* TypeInfo() noexcept override { return &object_->interfaceInfo(); }

    HResult SetHost(control::Host* host) noexcept override {
        try {
            control::setObjectHost(*object_, host);
            return kOk;
        } catch (...) {
            return kFail;
        }
    }

private:
    ~ComObject() = default;

    ModuleReference module_;
    RefCount refs_;
    std::unique_ptr<DispatchObject> object_;
    const ClassEntry& entry_;
};

class ClassFactory final : public IClassFactory {
public:
    explicit ClassFactory(const ClassEntry& entry) noexcept : entry_(entry) {}
    ClassFactory(const ClassFactory&) = delete;
    ClassFactory& operator=(const ClassFactory&) = delete;

    HResult QueryInterface(const KorbitGuid& iid, void** out) noexcept override {
        if (out == nullptr) {
            return kPointer;
        }
        *out = nullptr;
        if (!(iid == kIID_IUnknown || iid == kIID_IClassFactory)) {
            return kNoInterface;
        }
        *out = static_cast<IClassFactory*>(this);
        AddRef();
        return kOk;
    }

    std::uint32_t AddRef() noexcept override { return refs_.add(); }

    std::uint32_t Release() noexcept override {
        const std::uint32_t left = refs_.release();
        if (left == 0) {
            delete this;
        }
        return left;
    }

    HResult CreateInstance(IUnknown* outer, const KorbitGuid& iid, void** out) noexcept override {
        if (out == nullptr) {
            return kPointer;
        }
        *out = nullptr;
        if (outer != nullptr) {
            return kNoAggregation;
        }
        try {
            auto* object = new ComObject(entry_.create(), entry_);
            const HResult status = object->QueryInterface(iid, out);
            object->Release();
            return status;
        } catch (const std::bad_alloc&) {
            return kOutOfMemory;
        } catch (...) {
            return kFail;
        }
    }

    HResult LockServer(bool lock) noexcept override {
        if (lock) {
            ++gServerLocks;
            return kOk;
        }
        return decrementAboveZero(gServerLocks) > 0 ? kOk : kFail;
    }

private:
    ~ClassFactory() = default;

    ModuleReference module_;
    RefCount refs_;
    const ClassEntry& entry_;
};

// The library's description of itself: one object for the process's life.
class ComponentInfo final : public IComponentInfo {
public:
    HResult QueryInterface(const KorbitGuid& iid, void** out) noexcept override {
        if (out == nullptr) {
            return kPointer;
        }
        *out = nullptr;
        if (!(iid == kIID_IUnknown || iid == kIID_IComponentInfo)) {
            return kNoInterface;
        }
        *out = static_cast<IComponentInfo*>(this);
        return kOk;
    }
    std::uint32_t AddRef() noexcept override { return 1; }
    std::uint32_t Release() noexcept override { return 1; }
    std::uint32_t InterfaceVersion() noexcept override { return kInterfaceVersion; }
};

ComponentInfo gComponentInfo;

const ClassEntry* findClass(const KorbitGuid& clsid) noexcept {
    for (const ClassEntry& entry : kClasses) {
        if (*entry.clsid == clsid) {
            return &entry;
        }
    }
    return nullptr;
}

// The address of something in this library, to find its file by.
const char kSelf = 0;

// The absolute path this library was loaded from, as the loader named it.
fs::path ownPath() { return platform::fileHolding(&kSelf); }

std::vector<hosting::RegistryEntry> ownEntries(const fs::path& library) {
    std::vector<hosting::RegistryEntry> entries;
    for (const ClassEntry& entry : kClasses) {
        entries.push_back({entry.progId, *entry.clsid, library, kInterfaceVersion});
    }
    return entries;
}

template <typename Change>
HResult changeRegistry(Change change) noexcept {
    try {
        const fs::path library = ownPath();
        if (library.empty()) {
            return kFail;
        }
        change(hosting::registryFilePath(), ownEntries(library));
        return kOk;
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    } catch (...) {
        return kRegistryError;
    }
}

}  // namespace

}  // namespace korbit::com

KORBIT_EXPORT korbit::com::HResult DllGetClassObject(const KorbitGuid* clsid, const KorbitGuid* iid, void** out) {
    using namespace korbit::com;
    if (out == nullptr) {
        return kPointer;
    }
    *out = nullptr;
    if (clsid == nullptr || iid == nullptr) {
        return kPointer;
    }
    if (*clsid == kCLSID_ComponentInfo) {
        return gComponentInfo.QueryInterface(*iid, out);
    }
    const ClassEntry* entry = findClass(*clsid);
    if (entry == nullptr) {
        return kClassNotAvailable;
    }
    try {
        auto* factory = new ClassFactory(*entry);
        const HResult status = factory->QueryInterface(*iid, out);
        factory->Release();
        return status;
    } catch (...) {
        return kOutOfMemory;
    }
}

KORBIT_EXPORT korbit::com::HResult DllCanUnloadNow() {
    using namespace korbit::com;
    return gLiveObjects.load() == 0 && gServerLocks.load() == 0 ? kOk : kFalse;
}

KORBIT_EXPORT korbit::com::HResult DllRegisterServer() {
    return korbit::com::changeRegistry(&korbit::hosting::addRegistryEntries);
}

KORBIT_EXPORT korbit::com::HResult DllUnregisterServer() {
    return korbit::com::changeRegistry(&korbit::hosting::removeRegistryEntries);
}
