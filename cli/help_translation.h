// korbit's help in its user's language.
#pragma once

#include "cli/help_page.h"

namespace korbit::cli {

// `page` with every text --help prints translated (its names, options and
// example lines as they are); `page` itself when no translation is loaded.
const help::HelpPage& translatedHelp(const help::HelpPage& page);

// The words around the page's texts, translated likewise.
help::HelpWords translatedHelpWords();

}  // namespace korbit::cli
