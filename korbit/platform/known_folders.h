// The user's and the system's well-known folders, found the way the XDG base
// directory and user-dirs conventions describe: through XDG_* environment
// variables and $XDG_CONFIG_HOME/user-dirs.dirs, with their documented defaults.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korbit::platform {

enum class UserFolder {
    Config,        // $XDG_CONFIG_HOME, default ~/.config
    Data,          // $XDG_DATA_HOME, default ~/.local/share
    Cache,         // $XDG_CACHE_HOME, default ~/.cache
    Desktop,       // XDG_DESKTOP_DIR of user-dirs.dirs, default ~/Desktop
    Documents,     // XDG_DOCUMENTS_DIR, default ~/Documents
    Templates,     // XDG_TEMPLATES_DIR, default ~/Templates
    Fonts,         // <Data>/fonts
    Applications,  // <Data>/applications (menu entries)
    Autostart,     // <Config>/autostart
    SystemConfig,  // first entry of $XDG_CONFIG_DIRS, default /etc/xdg
    Programs,      // /usr/bin
    SharedLibraries,  // /usr/lib
};

enum class FolderState {
    Present,  // the folder exists (or was just created)
    Missing,  // its place is known but no folder is there
    Unknown,  // its place cannot be determined (no home folder), or creating it failed
};

struct FolderLocation {
    FolderState state = FolderState::Unknown;
    std::string path;  // absolute, without a trailing "/" except for "/" itself; empty when Unknown
};

// Where `folder` is. With `createIfMissing` a missing folder is created with
// its missing parents, each with mode 0700.
FolderLocation locateUserFolder(UserFolder folder, bool createIfMissing);

// The folder a user-dirs.dirs text assigns to `key` (XDG_DESKTOP_DIR, ...):
// the last assignment of the form "$HOME/..." or "/...", with $HOME replaced
// by `home`. Nothing when the text assigns none; relative values are ignored.
std::optional<std::string> userDirFromConfig(std::string_view configText, std::string_view key, std::string_view home);

}  // namespace korbit::platform
