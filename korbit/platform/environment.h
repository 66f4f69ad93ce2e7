// Where the user's folders are, as the environment and the user database
// say: the rules of the XDG base directories.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korbit::platform {

// The value of the environment variable `name` when it holds an absolute
// path; nothing otherwise (unset, empty or relative values are ignored).
std::optional<std::string> absoluteVariable(const char* name);

// $HOME when it is absolute, else the user database's home folder; nothing
// when neither is known.
std::optional<std::string> homeFolder();

// The base folder that `variable` names (XDG_DATA_HOME, say), or
// `defaultUnderHome` below the home folder when it names none; nothing when
// no home folder is known either.
std::optional<std::string> baseFolder(const char* variable, std::string_view defaultUnderHome);

}  // namespace korbit::platform
