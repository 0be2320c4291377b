#include "common/readable_colour.h"

#include <cmath>

namespace fennick {

namespace {

// Text this far from its background reads comfortably at panel sizes.
constexpr double kReadableContrast = 3.0;
constexpr int kSteps = 20;

double channel(double value) {
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) +
           0.0722 * channel(rgb.blueF());
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double first = luminance(a) + 0.05;
    const double second = luminance(b) + 0.05;
    return first > second ? first / second : second / first;
}

QColor readableOn(const QColor& colour, const QColor& background) {
    if (!colour.isValid() || !background.isValid() ||
        contrastRatio(colour, background) >= kReadableContrast)
        return colour;
    const QColor hsl = colour.toHsl();
    const double start = hsl.lightnessF();
    const bool lighter = luminance(background) < 0.18;
    const double end = lighter ? 1.0 : 0.0;
    QColor best = colour;
    for (int step = 1; step <= kSteps; ++step) {
        const double lightness = start + (end - start) * step / kSteps;
        best =
            QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), lightness, hsl.alphaF()).toRgb();
        if (contrastRatio(best, background) >= kReadableContrast)
            break;
    }
    return best;
}

} // namespace fennick
