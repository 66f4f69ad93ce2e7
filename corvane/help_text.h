// What `corvane --help` and the corvane(1) manual page say. Plain C++, so
// that the manual page can be made without starting Qt.
#pragma once

#include "cli/help_page.h"

namespace corvane {

const korbit::help::HelpPage& corvaneHelp();

}  // namespace corvane
