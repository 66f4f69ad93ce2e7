// Automation values: what crosses the control's dispatch interface. Text is
// 16-bit characters, Booleans are 16-bit (True = -1), dates count days since
// 30 December 1899. Arrays have one or two dimensions with lower bounds;
// records carry named fields in their declared order.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "korbit/control/values/automation_error.h"

namespace korbit::control {

using Text = std::u16string;

// 16-bit automation Boolean.
using VBool = std::int16_t;
inline constexpr VBool kTrue = -1;
inline constexpr VBool kFalse = 0;
constexpr VBool toVBool(bool b) noexcept { return b ? kTrue : kFalse; }

struct Empty {
    bool operator==(const Empty&) const = default;
};
struct Null {
    bool operator==(const Null&) const = default;
};
// An optional argument the caller left out.
struct Missing {
    bool operator==(const Missing&) const = default;
};
struct ErrorValue {
    std::int32_t scode = 0;
    bool operator==(const ErrorValue&) const = default;
};
struct Boolean {
    VBool value = kFalse;
    bool operator==(const Boolean&) const = default;
};
// Days since 30 December 1899, the time of day as the fraction.
struct Date {
    double days = 0.0;
    bool operator==(const Date&) const = default;
};

class Value;
class DispatchObject;

// The type of a value, and of the elements of an array.
enum class VarType : std::uint8_t {
    kEmpty,
    kNull,
    kMissing,
    kError,
    kBool,
    kInt16,
    kInt32,
    kSingle,
    kDouble,
    kDate,
    kText,
    kArray,
    kRecord,
    kObject,
    kVariant,  // array elements only: any value
};

std::string_view typeName(VarType type) noexcept;

struct Bound {
    std::int32_t lower = 0;
    std::int32_t count = 0;
    std::int32_t upper() const noexcept { return lower + count - 1; }
    bool operator==(const Bound&) const = default;
};

// An automation array. Elements are stored with the first index varying
// fastest. An array with no dimensions is a declared but unallocated
// dynamic array.
class Array {
public:
    // Members that touch the elements are defined out of line: Value is
    // still incomplete here.
    Array();
    explicit Array(VarType elementType);
    Array(VarType elementType, std::vector<Bound> bounds);

    // One dimension from `values`, lower bound `lower`.
    static Array ofTexts(const std::vector<Text>& values, std::int32_t lower = 0);
    static Array ofValues(std::vector<Value> values, std::int32_t lower = 0);

    VarType elementType() const noexcept { return elementType_; }
    std::size_t dimensions() const noexcept { return bounds_.size(); }
    bool allocated() const noexcept { return !bounds_.empty(); }
    const std::vector<Bound>& bounds() const noexcept { return bounds_; }
    // Bound of dimension `dimension` (1-based); throws subscript out of range.
    const Bound& bound(std::size_t dimension) const;
    std::size_t size() const noexcept;

    // Element access by automation index; throws subscript out of range.
    Value& at(std::int32_t i);
    const Value& at(std::int32_t i) const;
    Value& at(std::int32_t i, std::int32_t j);
    const Value& at(std::int32_t i, std::int32_t j) const;

    std::vector<Value>& elements() noexcept { return elements_; }
    const std::vector<Value>& elements() const noexcept { return elements_; }

    // ReDim: new bounds, contents cleared; or, with preserve, the last
    // dimension's count changed and the elements kept.
    void redim(std::vector<Bound> bounds);
    void redimPreserve(std::int32_t lastCount);
    void erase() noexcept;

    bool operator==(const Array& other) const;

private:
    std::size_t offset(std::int32_t i) const;
    std::size_t offset(std::int32_t i, std::int32_t j) const;
    Value defaultElement() const;

    VarType elementType_ = VarType::kVariant;
    std::vector<Bound> bounds_;
    std::vector<Value> elements_;
};

// A user-defined type: a named record with its fields in declared order.
class Record {
public:
    Record() = default;
    Record(std::string typeName, std::vector<std::pair<std::string, Value>> fields);

    const std::string& typeName() const noexcept { return typeName_; }
    std::vector<std::pair<std::string, Value>>& fields() noexcept { return fields_; }
    const std::vector<std::pair<std::string, Value>>& fields() const noexcept { return fields_; }

    // Field by name (case-insensitive); throws type mismatch when absent.
    Value& field(std::string_view name);
    const Value& field(std::string_view name) const;
    bool hasField(std::string_view name) const noexcept;

    bool operator==(const Record& other) const;

private:
    std::string typeName_;
    std::vector<std::pair<std::string, Value>> fields_;
};

class Value {
public:
    using Storage = std::variant<Empty, Null, Missing, ErrorValue, Boolean, std::int16_t, std::int32_t, float, double,
                                 Date, Text, Array, Record, std::shared_ptr<DispatchObject>>;

    Value() = default;
    Value(Empty) {}
    Value(Null v) : v_(v) {}
    Value(Missing v) : v_(v) {}
    Value(ErrorValue v) : v_(v) {}
    Value(Boolean v) : v_(v) {}
    Value(std::int16_t v) : v_(v) {}
    Value(std::int32_t v) : v_(v) {}
    Value(float v) : v_(v) {}
    Value(double v) : v_(v) {}
    Value(Date v) : v_(v) {}
    Value(Text v) : v_(std::move(v)) {}
    Value(const char16_t* v) : v_(Text(v)) {}
    Value(Array v) : v_(std::move(v)) {}
    Value(Record v) : v_(std::move(v)) {}
    Value(std::shared_ptr<DispatchObject> v) : v_(std::move(v)) {}

    static Value boolean(bool b) { return Boolean{toVBool(b)}; }

    VarType type() const noexcept;
    bool isEmpty() const noexcept { return std::holds_alternative<Empty>(v_); }
    bool isNull() const noexcept { return std::holds_alternative<Null>(v_); }
    bool isMissing() const noexcept { return std::holds_alternative<Missing>(v_); }
    bool isNumeric() const noexcept;

    template <typename T>
    bool holds() const noexcept {
        return std::holds_alternative<T>(v_);
    }
    template <typename T>
    T& get() {
        return std::get<T>(v_);
    }
    template <typename T>
    const T& get() const {
        return std::get<T>(v_);
    }
    const Storage& storage() const noexcept { return v_; }

    bool operator==(const Value& other) const;

private:
    Storage v_;
};

// Conversions by the automation rules. Each throws AutomationError: type
// mismatch for a value that has no such reading (a text that is no number,
// an array, a record), overflow when the number does not fit, invalid use of
// Null for Null.
//
// Whole-number conversions round halves to even (2.5 -> 2, 3.5 -> 4).
// Numeric text may carry blanks around it, a sign, a decimal point, an
// exponent, or the prefixes &H / &O; a Boolean converts to -1 or 0.
std::int16_t toInt16(const Value& v);
std::int32_t toInt32(const Value& v);
float toSingle(const Value& v);
double toDouble(const Value& v);
VBool toBool(const Value& v);   // any non-zero number is True; text "True"/"False" in any case
Date toDate(const Value& v);    // numbers are days; text "yyyy-mm-dd[ hh:mm[:ss]]" or "m/d/yyyy"
Text toText(const Value& v);    // Empty -> "", Booleans "True"/"False", numbers in shortest form

// Round to the nearest whole number, halves to even, as whole-number
// conversions do.
double roundHalfEven(double x) noexcept;

// ASCII-only case folding, for names of methods, arguments and fields.
bool equalsIgnoreCase(std::string_view a, std::string_view b) noexcept;

// A double as text: whole numbers without a point, otherwise up to 15
// significant digits, scientific notation ("1E+20", "1.5E-07") beyond.
Text formatNumber(double value);

}  // namespace korbit::control
