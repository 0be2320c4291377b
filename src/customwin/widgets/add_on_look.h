#pragma once

#include "customwin/form_model.h"

#include <QColor>
#include <QPalette>

class QWidget;

namespace fennick {

// The look a description gives the add-on window and its controls: colours
// (plain or a system colour, which follows the palette), fonts and
// tooltips.

// A described colour: a plain 0x00BBGGRR value, or a system colour index
// taken from the palette role that plays the same part. An unknown index
// gives an invalid colour.
QColor describedColour(qint32 colour, const QPalette& palette);

// Sets the object's background and text colours, and its font, on the
// widget that shows it.
void applyLook(QWidget& widget, const FormObject& object);

// A tooltip shown as the text it is, even when it looks like markup.
QString plainToolTip(const QString& text);

} // namespace fennick
