// The program's per-user folders and files: the maker's folder under the
// application-data folder, the program's and the media folder in it, the
// settings file and the help page. Put in place at every start.
#pragma once

#include <QString>
#include <QStringList>

namespace corvane {

class WindowControl;

struct AppFolders {
    QString appData;
    QString maker;
    QString application;
    QString media;
    QString iniFile;   // the settings file
    QString helpFile;  // the help page
    // What could not be put in place, one sentence each; empty when all is.
    QStringList problems;
};

// Settings sections and keys.
namespace settings {
inline const QString kDirectories = QStringLiteral("Directories");
inline const QString kSettings = QStringLiteral("Settings");
inline const QString kIniFile = QStringLiteral("INIFILE");
inline const QString kHelpFile = QStringLiteral("HELPFILE");
inline const QString kSoundToggle = QStringLiteral("SOUNDTOGGLE");
}  // namespace settings

// The resource the help page is written from.
inline constexpr int kHelpResourceId = 105;
inline const QString kHelpResourceType = QStringLiteral("HELP");

// Builds the folder chain through the control, creates the folders that are
// missing (the application-data folder too, which the control only finds),
// writes the default settings when the settings file does not exist yet (an
// existing one is never rewritten) and writes the help page from the
// program's resource when it is missing. Each step is checked: what could
// not be done is in `problems` (a settings write that fails is shown by the
// control's host as it happens).
AppFolders setupAppFolders(WindowControl& control);

// Writes the bytes of resource (`type`, `id`) to `path`, replacing the file
// as a whole (a reader never sees half of it). False when the resource does
// not exist or the file cannot be written.
bool writeResourceToFile(int id, const QString& path, const QString& type);

}  // namespace corvane
