#include "ui/window_closing.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace fennick {

void closeOtherWindows(const QWidget& keep) {
    // Closing one window may destroy others, so hold guarded pointers.
    QList<QPointer<QWidget>> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        windows.append(widget);
    for (const QPointer<QWidget>& window : windows) {
        if (window && window != &keep && window->isVisible())
            window->close();
    }
}

} // namespace fennick
