// What `korbit --help`, `korbit COMMAND --help` and the korbit(1) manual
// page say.
#pragma once

#include "cli/help_page.h"

namespace korbit::cli {

const help::HelpPage& korbitHelp();

}  // namespace korbit::cli
