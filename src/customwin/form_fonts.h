#pragma once

#include "customwin/form_model.h"

#include <QFont>
#include <QStringList>
#include <optional>

namespace fennick {

// Form descriptions name Windows typefaces ("MS Sans Serif", "Tahoma",
// "Courier New"), which other systems lack. A face is asked for by its own
// name first, then by installed faces of the same kind and width: the
// Liberation faces (metric-compatible with Arial, Times New Roman and
// Courier New, installed by the setup script) and DejaVu, which Qt always
// has.
QStringList installedFamiliesFor(const QString& windowsFace);

// The face a custom window starts with, as the designer's own default:
// "MS Sans Serif" at 8 points.
QFont defaultFormFont();

// `base` changed by the object's font lines (name, size, bold); nothing when
// the object has none, so it keeps the font of its window.
std::optional<QFont> formFont(const QFont& base, const FormObject& object);

} // namespace fennick
