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

// Reads a command-line argument: JSON when it parses as JSON, otherwise the
// word itself as text. Throws AutomationError (type mismatch) for JSON that
// nests deeper than kMaxNesting. `param` (may be null) tells which record type an
// object is meant to be.
control::Value argumentFromText(std::string_view word, const control::ParamInfo* param);

control::Value fromJson(const nlohmann::json& json, const control::ParamInfo* param, std::size_t depth = 0);
nlohmann::json toJson(const control::Value& value);

}  // namespace korbit::cli
