// `korbit methods`: the interface of every class the library publishes.
#pragma once

#include <ostream>

#include <nlohmann/json.hpp>

#include "korbit/control/values/dispatch.h"

namespace korbit::cli {

// One class's interface as JSON: its name and every member with dispatch
// identifier, arguments and result.
nlohmann::json describeInterface(const control::InterfaceInfo& info);

// Creates one object of each class and writes their interfaces, as JSON or
// as a readable listing. False (with a message on standard error) when the
// library cannot be loaded.
bool listInterfaces(std::ostream& out, bool json);

}  // namespace korbit::cli
