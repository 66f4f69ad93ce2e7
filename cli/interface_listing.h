// `korbit methods`: the interface of every class the library publishes.
#pragma once

#include <ostream>
#include <string_view>

#include <nlohmann/json.hpp>

#include "korbit/control/values/dispatch.h"

namespace korbit::cli {

// One class's interface as JSON: its name and every member with dispatch
// identifier, arguments and result, and what the method reference says of
// it (cli/method_reference.h): "summary", "group", "resultMeaning",
// "failures", "onLinux", "traps", and each argument's "meaning" and
// "givenBack". "note" is its On Linux text without the reference's marks.
// `className` is the class the reference lists it under.
nlohmann::json describeInterface(const control::InterfaceInfo& info, std::string_view className);

// Creates one object of each class and writes their interfaces, as JSON
// (with the reference's "enumerations" and "records") or as a readable
// listing. False (with a message on standard error) when the library cannot
// be loaded.
bool listInterfaces(std::ostream& out, bool json);

}  // namespace korbit::cli
