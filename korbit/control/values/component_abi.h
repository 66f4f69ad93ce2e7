// The binary interface between the control library and the programs that
// host it. A host loads libkorbit.so at run time, asks it for a class
// factory and gets reference-counted interface pointers; it never links the
// library. The shapes are those of the classic component model: an unknown
// interface with QueryInterface/AddRef/Release, a dispatch interface that
// finds members by name and invokes them by identifier, and a class factory.
//
// Values cross the boundary as korbit::control::Value; both sides are built
// from these headers with the same compiler. No exception crosses it: every
// call reports failure through its status code.
//
// Both sides must be built from the same interface: kInterfaceVersion names
// it. A library reports its version through IComponentInfo, the one
// interface whose shape never changes; a host loads no object from a
// library of another version.
#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <cstdint>
#include <string>

#include "korbit/control/values/dispatch.h"
#include "korbit/control/values/host.h"
#include "korbit/control/values/value.h"

extern "C" {

// A 128-bit class or interface identifier.
struct KorbitGuid {
    std::uint32_t data1;
    std::uint16_t data2;
    std::uint16_t data3;
    std::uint8_t data4[8];
};

}  // extern "C"

inline bool operator==(const KorbitGuid& a, const KorbitGuid& b) noexcept {
    return a.data1 == b.data1 && a.data2 == b.data2 && a.data3 == b.data3 &&
           std::equal(std::begin(a.data4), std::end(a.data4), std::begin(b.data4));
}

namespace korbit::com {

using HResult = std::int32_t;
inline constexpr HResult kOk = 0;                                                // S_OK
inline constexpr HResult kFalse = 1;                                             // S_FALSE
inline constexpr HResult kNoInterface = static_cast<HResult>(0x80004002U);       // E_NOINTERFACE
inline constexpr HResult kPointer = static_cast<HResult>(0x80004003U);           // E_POINTER
inline constexpr HResult kFail = static_cast<HResult>(0x80004005U);              // E_FAIL
inline constexpr HResult kClassNotAvailable = static_cast<HResult>(0x80040111U); // CLASS_E_CLASSNOTAVAILABLE
inline constexpr HResult kNoAggregation = static_cast<HResult>(0x80040110U);     // CLASS_E_NOAGGREGATION
inline constexpr HResult kRegistryError = static_cast<HResult>(0x80040151U);     // REGDB_E_WRITEREGDB
inline constexpr HResult kClassNotRegistered = static_cast<HResult>(0x80040154U);// REGDB_E_CLASSNOTREG


// Invocation kinds, as flags.
inline constexpr std::uint16_t kInvokeMethod = 1;
inline constexpr std::uint16_t kInvokePropertyGet = 2;
inline constexpr std::uint16_t kInvokePropertyPut = 4;

// What a failed Invoke reports beyond its status code.
struct ExceptionInfo {
    std::int32_t errorNumber = 0;
    std::int32_t argumentError = -1;
    std::u16string source;
    std::u16string description;
};

class IUnknown {
public:
    virtual HResult QueryInterface(const KorbitGuid& iid, void** out) noexcept = 0;
    virtual std::uint32_t AddRef() noexcept = 0;
    virtual std::uint32_t Release() noexcept = 0;

protected:
    ~IUnknown() = default;
};

class IDispatch : public IUnknown {
public:
    // The member's dispatch identifier, by case-insensitive name.
    virtual HResult GetIDsOfNames(const char16_t* name, std::int32_t* dispid) noexcept = 0;

    // Calls a member. `args` holds `count` values, first argument first;
    // by-reference arguments are written back into them. `result` (may be
    // null) receives the result; `info` (may be null) the error details.
    virtual HResult Invoke(std::int32_t dispid, std::uint16_t flags, control::Value* args, std::size_t count,
                           control::Value* result, ExceptionInfo* info) noexcept = 0;

    // The description of every member, owned by the library; valid while
    // the object lives.
    virtual const control::InterfaceInfo* TypeInfo() noexcept = 0;

protected:
    ~IDispatch() = default;
};

class IClassFactory : public IUnknown {
public:
    virtual HResult CreateInstance(IUnknown* outer, const KorbitGuid& iid, void** out) noexcept = 0;
    virtual HResult LockServer(bool lock) noexcept = 0;

protected:
    ~IClassFactory() = default;
};

// What a component library says about itself. DllGetClassObject hands it
// out for kCLSID_ComponentInfo and kIID_IComponentInfo; a library built
// before the interface had a version answers kClassNotAvailable. This shape
// never changes.
class IComponentInfo : public IUnknown {
public:
    virtual std::uint32_t InterfaceVersion() noexcept = 0;

protected:
    ~IComponentInfo() = default;
};

// The version of the interface between the library and its hosts: the
// interfaces of this file, the layout of Value, InterfaceInfo and Host, and
// the method table (control_methods.def). Raise it with any change to them;
// a host refuses a library of another version. (Builds that reported none
// were version 1.)
inline constexpr std::uint32_t kInterfaceVersion = 2;

// Lets the hosting program lend the object its Host (message boxes, event
// pump, ...). The host must outlive the object or be withdrawn with null.
class IObjectWithHost : public IUnknown {
public:
    virtual HResult SetHost(control::Host* host) noexcept = 0;

protected:
    ~IObjectWithHost() = default;
};

// Interface identifiers.
inline constexpr KorbitGuid kIID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr KorbitGuid kIID_IDispatch = {0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr KorbitGuid kIID_IClassFactory = {0x00000001, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr KorbitGuid kIID_IObjectWithHost = {0x5B2C7E40, 0x9D3A, 0x4F1E, {0x8C, 0x6B, 0x21, 0x7A, 0x90, 0x4E, 0xD3, 0x15}};
inline constexpr KorbitGuid kIID_IComponentInfo = {0x5B2C7E3F, 0x9D3A, 0x4F1E, {0x8C, 0x6B, 0x21, 0x7A, 0x90, 0x4E, 0xD3, 0x15}};

// The library's description of itself (not a creatable class).
inline constexpr KorbitGuid kCLSID_ComponentInfo = {0x5B2C7E3E, 0x9D3A, 0x4F1E, {0x8C, 0x6B, 0x21, 0x7A, 0x90, 0x4E, 0xD3, 0x15}};

// Class identifiers of the library's three classes.
inline constexpr KorbitGuid kCLSID_KorbitControl = {0x5B2C7E41, 0x9D3A, 0x4F1E, {0x8C, 0x6B, 0x21, 0x7A, 0x90, 0x4E, 0xD3, 0x15}};
inline constexpr KorbitGuid kCLSID_SHA256 = {0x5B2C7E42, 0x9D3A, 0x4F1E, {0x8C, 0x6B, 0x21, 0x7A, 0x90, 0x4E, 0xD3, 0x15}};
inline constexpr KorbitGuid kCLSID_BinHexDecCls = {0x5B2C7E43, 0x9D3A, 0x4F1E, {0x8C, 0x6B, 0x21, 0x7A, 0x90, 0x4E, 0xD3, 0x15}};

inline constexpr const char* kProgIdKorbitControl = "Korbit.KorbitControl";
inline constexpr const char* kProgIdSHA256 = "Korbit.SHA256";
inline constexpr const char* kProgIdBinHexDecCls = "Korbit.BinHexDecCls";

}  // namespace korbit::com

// The library's four entry points, looked up with dlsym by hosts.
extern "C" {
using KorbitDllGetClassObjectFn = korbit::com::HResult (*)(const KorbitGuid* clsid, const KorbitGuid* iid, void** out);
using KorbitDllCanUnloadNowFn = korbit::com::HResult (*)();
using KorbitDllRegisterServerFn = korbit::com::HResult (*)();
using KorbitDllUnregisterServerFn = korbit::com::HResult (*)();
}
