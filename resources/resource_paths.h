// Where the program's own resources live in the Qt resource system. Every
// picture, cursor, sound and the help page is addressed by its numeric id.
#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

namespace corvane::resources {

inline QString bitmap(int id) { return QStringLiteral(":/bitmap/%1").arg(id); }
inline QString cursorImage(int id) { return QStringLiteral(":/cursor/%1").arg(id); }
// The same pictures drawn at twice the size, for screens of two or more
// device pixels per logical pixel.
inline QString bitmap2x(int id) { return QStringLiteral(":/bitmap/%1@2x").arg(id); }
inline QString cursorImage2x(int id) { return QStringLiteral(":/cursor/%1@2x").arg(id); }
// The variants of the button pictures drawn for a dark palette (105 to 107;
// the others read on both).
inline QString darkBitmap(int id) { return QStringLiteral(":/bitmap/%1-dark").arg(id); }
inline QString darkBitmap2x(int id) { return QStringLiteral(":/bitmap/%1-dark@2x").arg(id); }
inline constexpr int kFirstDarkBitmap = 105;
inline constexpr int kLastDarkBitmap = 107;
inline QString wave(int id) { return QStringLiteral(":/wave/%1").arg(id); }
inline QString help(int id) { return QStringLiteral(":/help/%1").arg(id); }

// The application's icon (windows, the desktop entry).
inline QString applicationIcon() { return QStringLiteral(":/icon/corvane"); }

// The point of cursor 101 that clicks: the tip of the pointing finger, in
// the pixels of the 1x picture.
inline QPoint cursorHotSpot() { return {12, 1}; }

// The resource paths the program relies on that are not in the resource
// system; empty when everything was linked in. A missing one would only show
// as a blank button or a silent cue, so this is the place to check.
QStringList missingResources();

}  // namespace corvane::resources
