// How the user's locale writes numbers.
#pragma once

#include <string>

namespace korbit::platform {

// The decimal mark of the program's current LC_NUMERIC locale ("." in the
// "C" locale a program starts in); "." when the locale names none.
std::u16string decimalMark();

}  // namespace korbit::platform
