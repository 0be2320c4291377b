#pragma once

#include <QFont>

namespace fennick {

// The typefaces the program draws its own text with. They are named
// explicitly, and the setup script installs them, so a text measures and
// draws the same on every machine instead of falling back to whatever
// font the system happens to offer for an unknown name.

// A plain sans-serif face (Liberation Sans, metric-compatible with Arial),
// sized in pixels.
QFont sansFont(int pixelSize, bool bold = false);

// The same face sized in points, for list boxes and other widget text.
QFont sansPointFont(qreal pointSize, bool bold = false);

} // namespace fennick
