#pragma once

#include <QRect>

class QWidget;

namespace fennick {

// Where windows appear: always wholly on the screen, over or beside the
// main window rather than wherever the window manager puts them.

// The rectangle of `size` moved (never resized) into `available`; a window
// larger than the area keeps its top left corner in it.
QRect keptInside(const QRect& frame, const QRect& available);

// Centres a dialog over `anchor` (or over the screen without one), kept
// inside the screen's available area.
void centreOver(QWidget& dialog, const QWidget* anchor);

// Places a window of its own beside `anchor`: to its right when there is
// room, else to its left, else over it, kept inside the available area.
void placeBeside(QWidget& window, const QWidget* anchor);

// Moves a window that reaches over an edge of its screen's available area
// back inside (for places remembered or described in files).
void keepOnScreen(QWidget& window);

// Shows a window, brings it to the front and gives it the keyboard. The
// first showing places it (centred over, or beside, `anchor`); later
// showings keep where the user left it, kept on the screen.
enum class WindowPlace { CentredOver, Beside };
void showPlaced(QWidget& window, const QWidget* anchor, WindowPlace placement);

// Marks a window as placed already (it was given a remembered place), so
// showPlaced keeps it there.
void markPlaced(QWidget& window);

// A window of fixed size: no maximise button, no resize handle.
void makeFixedSize(QWidget& window);

} // namespace fennick
