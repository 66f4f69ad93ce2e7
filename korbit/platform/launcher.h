// Starting a file or an address with the desktop's default application.
// Tests put their own launcher in place so that nothing is ever started.
#pragma once

#include <string>

namespace korbit::platform {

enum class LaunchResult { kStarted, kNoApplication, kFailed };

class Launcher {
public:
    virtual ~Launcher() = default;

    // Opens `target` (a file path or an address) with the application the
    // desktop associates with it, detached, in `workingFolder` (empty: the
    // current one). `verb` says what is wanted ("open", "play"); the desktop
    // has only one action per type, so the default launcher ignores it.
    // kNoApplication when `target` is a file whose type has no application.
    virtual LaunchResult open(const std::string& target, const std::string& verb,
                              const std::string& workingFolder) = 0;
};

// The launcher in use: the desktop's (xdg-open) unless replaced.
Launcher& launcher();

// Replaces the launcher (nullptr: back to the desktop's). The replacement
// must outlive its use.
void setLauncher(Launcher* replacement);

}  // namespace korbit::platform
