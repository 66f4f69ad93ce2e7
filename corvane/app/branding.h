// The program's names, texts and addresses shown to the user.
#pragma once

#include <QString>

namespace corvane::branding {

// The program's own title; also the name of its folder under the maker's.
inline const QString kProgramTitle = QStringLiteral("Corvane");
inline const QString kMakerFolder = QStringLiteral("Velmora Software");
inline const QString kMediaFolder = QStringLiteral("Media");
inline const QString kSettingsFileName = QStringLiteral("xjf_app.ini");
inline const QString kHelpFileName = QStringLiteral("ArdenvaleHelp.html");

// The main window's caption, and the title of its boxes and of the
// information window.
inline const QString kMainCaption = QStringLiteral("  Ardentis \u2122");
inline const QString kBoxTitle = QStringLiteral(" Ardentis \u2122");

// Opened by the logo, and shown as its tooltip.
inline const QString kMakerWebAddress = QStringLiteral("https://www.velmora-software.example/");

}  // namespace corvane::branding
