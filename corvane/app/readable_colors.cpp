#include "corvane/app/readable_colors.h"

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

double channel(double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }

double luminance(const QColor& c) {
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool isDarkPalette(const QPalette& palette) {
    return luminance(palette.color(QPalette::Window)) < luminance(palette.color(QPalette::WindowText));
}

QColor textColorFor(const QColor& color, const QPalette& palette, QPalette::ColorRole background) {
    const QColor back = palette.color(background);
    if (!isDarkPalette(palette) || contrastRatio(color, back) >= kMinimumContrast) {
        return color;
    }
    const QColor hsl = color.toHsl();
    for (int lightness = hsl.lightness() + 1; lightness <= 255; ++lightness) {
        const QColor lighter = QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), lightness);
        if (contrastRatio(lighter, back) >= kMinimumContrast) {
            return lighter;
        }
    }
    return Qt::white;
}

}  // namespace corvane
