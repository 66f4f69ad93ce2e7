// Text colours that stay readable on dark palettes. The window's colours are
// dark hues chosen for a light window; on a dark one the same hues are made
// lighter until they read well.
#pragma once

#include <QColor>
#include <QPalette>

namespace corvane {

// The contrast a text colour keeps against its background on a dark palette.
inline constexpr double kMinimumContrast = 4.5;

// The contrast ratio of two colours, 1 (equal) to 21 (black on white), from
// their relative luminances.
double contrastRatio(const QColor& a, const QColor& b);

// True when the palette's window is darker than its text.
bool isDarkPalette(const QPalette& palette);

// The colour to draw text of `color` with on `background` of `palette`:
// `color` itself on a light palette; on a dark one, `color` with its hue and
// saturation kept and its lightness raised just enough for kMinimumContrast
// (white when nothing less reaches it).
QColor textColorFor(const QColor& color, const QPalette& palette, QPalette::ColorRole background);

}  // namespace corvane
