// Values between the C interface (korbit_value) and the control's automation
// values: reading what a caller built, and keeping what the library hands out.
#pragma once

#include <cstddef>
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "include/korbit/korbit.h"
#include "korbit/control/values/dispatch.h"
#include "korbit/control/values/type_library.h"
#include "korbit/control/values/value.h"

namespace korbit::c_interface {

// A value the caller built that is not well formed: an unknown type, a text
// or an array without its memory, more than two dimensions, a record of no
// known type or with a field its type lacks, nesting deeper than
// kMaxNesting. What makes the call fail with KORBIT_E_INVALID_ARG.
class InvalidValue : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// A value of argument `index` that could not be read: why, in `what`, or
// the automation error it gave.
struct ArgumentError {
    std::int32_t index;
    std::string what;
    korbit_status status = KORBIT_E_INVALID_ARG;
    std::int32_t number = 0;
};

// How deep arrays and records may nest in a value the caller passes.
inline constexpr int kMaxNesting = 64;

// The automation value of `value`. A record without a type name takes
// `declared`'s type (nullptr: it has none). Elements of an array are
// converted to its element type by the automation rules. Throws
// InvalidValue, and AutomationError for an element with no reading as its
// array's element type.
control::Value valueOf(const korbit_value& value, const control::RecordInfo* declared = nullptr);

// The korbit_type of a value type, and back (nothing for a number that
// names no type).
std::int32_t typeCode(control::VarType type) noexcept;

// The C interface's description of a parameter or result type: its
// korbit_type and, for an array, its elements' type.
struct TypeCodes {
    std::int32_t type = KORBIT_TYPE_EMPTY;
    std::int32_t elementType = KORBIT_TYPE_EMPTY;
};
TypeCodes typeCodes(control::ParamType type) noexcept;
std::int32_t typeCode(control::ResultType type) noexcept;

// The record type of a parameter; nullptr for any other.
const control::RecordInfo* recordTypeOf(control::ParamType type) noexcept;

// What the library hands out: korbit_values whose texts, arrays and records
// live here, at addresses that stay put until clear() or the store goes.
class ValueStore {
public:
    ValueStore() = default;
    ValueStore(const ValueStore&) = delete;
    ValueStore& operator=(const ValueStore&) = delete;
    ValueStore(ValueStore&&) = default;
    ValueStore& operator=(ValueStore&&) = default;

    // The C value of `value`. Throws std::domain_error for an object, which
    // the C interface does not carry.
    korbit_value put(const control::Value& value);

    // A NUL-terminated copy of `text`, kept here.
    const char* keep(std::string text);

    void clear() noexcept;

private:
    std::deque<std::string> texts_;
    std::deque<std::vector<korbit_value>> elements_;
    std::deque<std::vector<korbit_field>> fields_;
    std::deque<korbit_array> arrays_;
    std::deque<korbit_record> records_;
};

}  // namespace korbit::c_interface
