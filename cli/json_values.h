// Automation values as JSON, both ways, for the command line.
//
//   JSON                      value
//   true / false              Boolean (-1 / 0)
//   whole number in 32 bits   Long; other numbers Double
//   "text"                    String (NUL characters kept)
//   null                      Null (Empty prints as null too)
//   [a, b]                    one-dimensional array, lower bound 0
//   [[a, b], [c, d]]          two-dimensional array, one inner array per row
//   {"field": value}          record; its type is the parameter's, or "$type"
//
// Where the parameter's type says more, a word is read as that type:
//   String                    the word as it stands ("4111111111111111" stays
//                             digits); a JSON string in double quotes is its
//                             text, null is Null
//   Date                      ISO 8601, "2024-02-29T10:15:00" (cli/iso_dates.h)
//   an enumeration            a member's name, "Math_Decimal", or its value
#pragma once

#include <nlohmann/json.hpp>

#include <string_view>

#include "korbit/control/values/dispatch.h"
#include "korbit/control/values/value.h"

namespace korbit::cli {

// Arrays and records nest at most this deep in an argument.
inline constexpr std::size_t kMaxNesting = 256;

// How deeply the JSON text `word` nests its arrays and objects (brackets
// inside strings do not count); read without recursion, so any input is safe.
std::size_t nestingDepth(std::string_view word) noexcept;

// Reads a command-line argument for `param` (may be null: an argument the
// method does not declare) by the rules above: otherwise JSON when it parses
// as JSON, else the word itself as text. Throws AutomationError (type
// mismatch) for JSON that nests deeper than kMaxNesting, for a word that
// starts like a date but is none, and for a name that is no member of the
// parameter's enumeration.
control::Value argumentFromText(std::string_view word, const control::ParamInfo* param);

control::Value fromJson(const nlohmann::json& json, const control::ParamInfo* param, std::size_t depth = 0);

// How dates are written out: as their number of days (the default), or as
// ISO 8601 local time without a zone, "2024-02-29T10:15:00" (a date outside
// the years 100 to 9999 stays a number).
enum class DateStyle { kDays, kIso };

nlohmann::json toJson(const control::Value& value, DateStyle dates = DateStyle::kDays);

}  // namespace korbit::cli
