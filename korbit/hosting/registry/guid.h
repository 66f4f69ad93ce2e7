// Class and interface identifiers as text, the way the component registry
// and error messages write them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "korbit/control/values/component_abi.h"

namespace korbit::hosting {

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" in upper-case hex digits.
std::string guidToText(const KorbitGuid& guid);

// The identifier written as guidToText writes it (hex digits in either
// case); nothing for any other text.
std::optional<KorbitGuid> guidFromText(std::string_view text);

}  // namespace korbit::hosting
