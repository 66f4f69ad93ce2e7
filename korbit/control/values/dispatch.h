// The late-bound interface: every method of an automation class described as
// data (name, dispatch identifier, arguments, result), and invocation by
// identifier with positional arguments.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "korbit/control/values/value.h"

namespace korbit::control {

enum class ParamType : std::uint8_t {
    kText,
    kBool,
    kInt16,
    kInt32,
    kDouble,
    kDate,
    kVariant,
    kTextArray,
    kVariantArray,
    kFileParams,
    kArrayParams,
    kBackupFileParams,
    // Enumerations travel as 32-bit integers.
    kActivityLevel,
    kFileAttributes,
    kMathTypes,
    kMyMeasureUnits,
    kMceIDLPaths,
};

enum class ResultType : std::uint8_t { kNone, kText, kBool, kInt16, kInt32, kDouble, kDate, kVariant, kIsFileResults };

// How an argument is passed. By reference, the caller's variable receives
// what the method leaves in it; kGivenBack marks the arguments the method
// writes on purpose (a result it gives back beside its own), which a typed
// client returns to its caller. The family's C++ parameter of such an
// argument is a non-const reference, and only of such an argument.
enum class Passing : std::uint8_t { kByRef, kByValue, kGivenBack };
inline constexpr Passing kByRef = Passing::kByRef;
inline constexpr Passing kByValue = Passing::kByValue;
inline constexpr Passing kGivenBack = Passing::kGivenBack;
inline constexpr bool kOptional = true;

struct ParamInfo {
    std::string_view name;
    ParamType type;
    Passing passing = kByRef;
    bool optional = false;
    // The value a left-out optional argument takes. Empty means the type's
    // own default (0, empty text, False); a Variant then stays Missing.
    Value defaultValue{};

    bool byValue() const noexcept { return passing == kByValue; }
    bool givenBack() const noexcept { return passing == kGivenBack; }
};

class DispatchObject;

// Receives the arguments converted to their declared types, in declared
// order, left-out optionals filled in; may change by-reference arguments.
// Returns the result (Empty for methods without one). Throws
// AutomationError for a failure the method does not handle.
using MethodHandler = Value (*)(DispatchObject& self, std::span<Value> args);

enum class MemberKind : std::uint8_t { kMethod, kPropertyGet, kPropertyPut };

struct MethodInfo {
    std::string_view name;
    std::int32_t dispid;
    ResultType result;
    std::vector<ParamInfo> params;
    MethodHandler handler = nullptr;  // nullptr: the member answers "not implemented"
    MemberKind kind = MemberKind::kMethod;
    std::string_view note = {};  // how the member behaves on this platform, where that needs saying
};

class InterfaceInfo {
public:
    InterfaceInfo(std::string_view name, std::vector<MethodInfo> methods);

    std::string_view name() const noexcept { return name_; }
    const std::vector<MethodInfo>& methods() const noexcept { return methods_; }

    // Case-insensitive lookup; nullptr when there is no such member. A
    // property has one entry per accessor; by name the getter comes first.
    const MethodInfo* find(std::string_view name) const noexcept;
    const MethodInfo* find(std::int32_t dispid, MemberKind kind = MemberKind::kMethod) const noexcept;

    // Gives the method of that name its note (text with static storage);
    // throws std::logic_error when there is none.
    void annotate(std::string_view name, std::string_view note);

private:
    std::string_view name_;
    std::vector<MethodInfo> methods_;
};

// The outcome of one late-bound call.
struct InvokeResult {
    std::int32_t status = status::kOk;
    std::int32_t errorNumber = 0;  // the run-time error number, when status is a failure
    std::string description;
    std::int32_t argumentError = -1;  // the argument a conversion failed on
    Value result;

    bool ok() const noexcept { return status == status::kOk; }
};

// Something that can be called late-bound.
class DispatchObject {
public:
    virtual ~DispatchObject() = default;
    virtual const InterfaceInfo& interfaceInfo() const noexcept = 0;
};

// Invokes member `dispid` on `self` with positional `args` (first argument
// first). A Missing argument, or one past the end, takes its default; a
// required one missing fails with kParamNotOptional. Arguments are converted
// to their declared types (failing with kTypeMismatch or kOverflow, the
// argument's index in argumentError); by-reference arguments get their
// final values written back. An AutomationError thrown by the method becomes
// the failing status; so does any other exception.
InvokeResult invoke(DispatchObject& self, std::int32_t dispid, std::vector<Value>& args,
                    MemberKind kind = MemberKind::kMethod);

// Converts a value to the declared type of a parameter.
Value coerce(const Value& value, ParamType type);

// The value an argument left out takes: its default, else its type's own
// (0, empty text, False, a record with every field at its default, an
// unallocated array); Missing for a Variant without a default.
Value leftOutValue(const ParamInfo& param);

std::string_view paramTypeName(ParamType type) noexcept;
std::string_view resultTypeName(ResultType type) noexcept;

}  // namespace korbit::control
