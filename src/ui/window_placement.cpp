#include "ui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace fennick {

namespace {

constexpr int kGap = 8;
const char* const kPlacedProperty = "fennickPlaced";

QRect availableFor(const QWidget& window, const QWidget* anchor) {
    const QScreen* screen = anchor && anchor->isVisible() ? anchor->screen() : window.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

// The window manager's decoration around a window, as the anchor shows it
// (a window not shown yet has none of its own to measure).
QMargins decorationOf(const QWidget* window) {
    if (!window || !window->isVisible())
        return {};
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

// The outline the window will take on screen, decoration included.
QRect outlineOf(const QWidget& window, const QWidget* anchor) {
    if (window.isVisible())
        return window.frameGeometry();
    const QMargins margins = decorationOf(anchor ? anchor->window() : nullptr);
    return QRect(window.pos(), window.size() + QSize(margins.left() + margins.right(),
                                                     margins.top() + margins.bottom()));
}

void moveOutline(QWidget& window, const QRect& outline) {
    // A top-level window's position is that of its decoration's corner.
    window.move(outline.topLeft());
}

QRect anchorOutline(const QWidget* anchor) {
    return anchor && anchor->isVisible() ? anchor->window()->frameGeometry() : QRect();
}

} // namespace

QRect keptInside(const QRect& frame, const QRect& available) {
    QRect moved = frame;
    if (moved.right() > available.right())
        moved.moveRight(available.right());
    if (moved.bottom() > available.bottom())
        moved.moveBottom(available.bottom());
    if (moved.left() < available.left())
        moved.moveLeft(available.left());
    if (moved.top() < available.top())
        moved.moveTop(available.top());
    return moved;
}

void centreOver(QWidget& dialog, const QWidget* anchor) {
    const QRect available = availableFor(dialog, anchor);
    const QRect over = anchor && anchor->isVisible() ? anchorOutline(anchor) : available;
    QRect outline = outlineOf(dialog, anchor);
    outline.moveCenter(over.center());
    moveOutline(dialog, keptInside(outline, available));
}

void placeBeside(QWidget& window, const QWidget* anchor) {
    const QRect available = availableFor(window, anchor);
    const QRect beside = anchorOutline(anchor);
    if (beside.isNull()) {
        centreOver(window, nullptr);
        return;
    }
    QRect outline = outlineOf(window, anchor);
    outline.moveTopLeft(QPoint(beside.right() + 1 + kGap, beside.top()));
    if (outline.right() > available.right())
        outline.moveRight(beside.left() - 1 - kGap);
    if (outline.left() < available.left()) {
        centreOver(window, anchor);
        return;
    }
    moveOutline(window, keptInside(outline, available));
}

void keepOnScreen(QWidget& window) {
    const QRect outline = outlineOf(window, nullptr);
    const QRect inside = keptInside(outline, availableFor(window, nullptr));
    if (inside != outline)
        moveOutline(window, inside);
}

void showPlaced(QWidget& window, const QWidget* anchor, WindowPlace placement) {
    if (!window.isVisible()) {
        if (!window.property(kPlacedProperty).toBool()) {
            window.setProperty(kPlacedProperty, true);
            if (placement == WindowPlace::CentredOver)
                centreOver(window, anchor);
            else
                placeBeside(window, anchor);
        } else {
            keepOnScreen(window);
        }
        // A dialog stays above the window it belongs to.
        if (placement == WindowPlace::CentredOver && anchor && anchor->window()->windowHandle()) {
            window.winId();
            if (QWindow* handle = window.windowHandle())
                handle->setTransientParent(anchor->window()->windowHandle());
        }
    }
    window.show();
    window.raise();
    window.activateWindow();
}

void markPlaced(QWidget& window) {
    window.setProperty(kPlacedProperty, true);
}

void makeFixedSize(QWidget& window) {
    Qt::WindowFlags type = window.windowFlags() & Qt::WindowType_Mask;
    if (type == Qt::Widget)
        type = Qt::Window;
    Qt::WindowFlags flags = type | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (type != Qt::Dialog)
        flags |= Qt::WindowMinimizeButtonHint;
    window.setWindowFlags(flags);
    window.setFixedSize(window.size());
}

} // namespace fennick
