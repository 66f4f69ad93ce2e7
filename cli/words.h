// Splitting a script line into words the way a POSIX shell does, without
// expansions: blanks separate words, '...' keeps everything literally, "..."
// keeps everything but \" \\ \$ \` which lose their backslash, and a
// backslash outside quotes keeps the next character.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korbit::cli {

// The words of `line`; none when a quote is left open or the line ends in a
// lone backslash.
std::optional<std::vector<std::string>> splitWords(std::string_view line);

}  // namespace korbit::cli
