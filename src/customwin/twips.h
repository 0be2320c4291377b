#pragma once

#include <cmath>

namespace fennick {

// Form descriptions measure in twips: 1440 to the inch, so 15 to the pixel
// on a screen of 96 dots per inch. Each axis has its own scale, taken from
// the screen's logical resolution.
struct TwipScale {
    double perPixelX = 15.0;
    double perPixelY = 15.0;

    static TwipScale forDpi(double dpiX, double dpiY) {
        const auto scale = [](double dpi) { return dpi > 0 ? 1440.0 / dpi : 15.0; };
        return {scale(dpiX), scale(dpiY)};
    }
    int pixelsX(double twips) const { return int(std::lround(twips / perPixelX)); }
    int pixelsY(double twips) const { return int(std::lround(twips / perPixelY)); }
};

} // namespace fennick
