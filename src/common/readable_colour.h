#pragma once

#include <QColor>

namespace fennick {

// How far apart two colours are for the eye: the ratio of their relative
// luminances (each plus 0.05), from 1 (the same) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// A text colour that can be read on `background`: the colour itself when
// it stands out enough, else the same hue and saturation made lighter on
// a dark background (darker on a light one) until it does. The games'
// dark blue "^4" on the program's dark panels becomes a lighter blue.
QColor readableOn(const QColor& colour, const QColor& background);

} // namespace fennick
