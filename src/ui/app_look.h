#pragma once

#include <QColor>
#include <QPalette>

class QApplication;

namespace fennick {

// The program's one look, set once for the whole application: the Fusion
// style (it draws every control from the palette, on every desktop), the
// dark palette of the main window's plates with light text, the program's
// font; tooltips, menus and the pop-up lists of drop-downs are windows of
// their own and take it too. Every window, dialog, message box and pop-up
// follows it; no window sets its own.
// Also installs the keys every window shares (ButtonKeys).
void applyAppLook(QApplication& app);

// The dark palette itself.
QPalette appPalette();

// A text colour as it is shown on the program's dark window background:
// the same hue, made light enough to read (the setup dialog's green and
// red labels, colours a custom window describes).
QColor onWindow(const QColor& colour);

} // namespace fennick
