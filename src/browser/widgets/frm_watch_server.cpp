#include "browser/widgets/frm_watch_server.h"

#include "ui/window_placement.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace fennick {

frmWatchServer::frmWatchServer(WatchSources sources, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), model_(std::move(sources)) {
    setObjectName(QStringLiteral("frmWatchServer"));
    setWindowTitle(QStringLiteral("ServerWatcher"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    resize(kOpenSize);
    start_.setSingleShot(true);
    start_.setInterval(kStartDelayMs);
    connect(&start_, &QTimer::timeout, this, [this] {
        started_ = true;
        runFramesWhenShown();
    });
    frames_.setTimerType(Qt::PreciseTimer);
    frames_.setInterval(kFrameMs);
    connect(&frames_, &QTimer::timeout, this, &frmWatchServer::frame);
    snap_.setSingleShot(true);
    snap_.setInterval(kSnapAfterMs);
    connect(&snap_, &QTimer::timeout, this, [this] {
        drag_ = Drag::None;
        snapToScreen();
    });
}

frmWatchServer* frmWatchServer::watch(ServerBrowser& browser, const BrowserServices& services,
                                      QPoint at) {
    auto* window = new frmWatchServer(WatchSources::of(browser, services));
    window->move(at);
    keepOnScreen(*window);
    window->open();
    return window;
}

void frmWatchServer::open() {
    model_.open(size());
    lines_ = model_.frame(size(), WatchPainter::lineHeight());
    show();
    start_.start();
}

void frmWatchServer::frame() {
    if (model_.closing()) {
        close();
        return;
    }
    if (!isVisible() || isMinimized()) {
        frames_.stop();
        return;
    }
    ++framesDrawn_;
    const QSize next = model_.nextSize(size());
    if (next != size())
        resize(next);
    lines_ = model_.frame(size(), WatchPainter::lineHeight());
    update();
}

// Frames run only while the window can be seen: a hidden or minimised
// window costs nothing.
void frmWatchServer::runFramesWhenShown() {
    if (started_ && isVisible() && !isMinimized() && !model_.closing()) {
        if (!frames_.isActive())
            frames_.start();
    } else {
        frames_.stop();
    }
}

void frmWatchServer::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter_.paint(painter, size(), lines_);
}

// The left button presses the buttons and rows; then any button drags the
// window, once the mouse has moved a little with it held: a window system
// asked to move the window on a mere click may swallow the next click.
void frmWatchServer::mousePressEvent(QMouseEvent* event) {
    model_.mousePressed(event->button(), event->position(), size());
    if (model_.closing()) {
        close();
        return;
    }
    drag_ = Drag::Pending;
    dragButton_ = event->button();
    pressedAt_ = event->globalPosition().toPoint();
    dragOffset_ = pressedAt_ - pos();
}

// The window catches up with the mouse (where the window system lets it),
// then the window system moves it where it offers that (it is told of the
// left button only); otherwise the window follows the mouse itself until
// the button is let go.
void frmWatchServer::startDrag(QPoint at) {
    move(at - dragOffset_);
    const bool system =
        dragButton_ == Qt::LeftButton && windowHandle() && windowHandle()->startSystemMove();
    drag_ = system ? Drag::System : Drag::Own;
}

void frmWatchServer::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->globalPosition().toPoint();
    if (drag_ == Drag::Pending && (event->buttons() & dragButton_) &&
        (at - pressedAt_).manhattanLength() >= kDragDistance)
        startDrag(at);
    if (drag_ == Drag::Own && (event->buttons() & dragButton_)) {
        move(at - dragOffset_);
        return;
    }
    // A button let go where the window did not see it.
    if (event->buttons() == Qt::NoButton)
        endDrag();
    model_.mouseMoved(event->position(), size());
}

// A drag ends with the button that started it.
void frmWatchServer::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == dragButton_)
        endDrag();
}

void frmWatchServer::endDrag() {
    if (drag_ == Drag::Own)
        snapToScreen();
    if (drag_ == Drag::System) {
        // The window system tells the window where it put it only after the
        // button is let go: it snaps once it has kept still for a moment.
        drag_ = Drag::SystemEnding;
        snap_.start();
        return;
    }
    if (drag_ != Drag::SystemEnding)
        drag_ = Drag::None;
}

void frmWatchServer::moveEvent(QMoveEvent*) {
    if (drag_ == Drag::SystemEnding)
        snap_.start();
}

void frmWatchServer::leaveEvent(QEvent*) {
    model_.mouseLeft();
}

void frmWatchServer::snapToScreen() {
    const QScreen* shownOn = screen();
    if (!shownOn)
        return;
    const QRect outline = frameGeometry();
    const QPoint at = WatchFrame::snapToEdges(outline, shownOn->geometry());
    if (at != outline.topLeft())
        move(at);
}

void frmWatchServer::showEvent(QShowEvent*) {
    runFramesWhenShown();
}

void frmWatchServer::hideEvent(QHideEvent*) {
    frames_.stop();
}

void frmWatchServer::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange)
        runFramesWhenShown();
    QWidget::changeEvent(event);
}

void frmWatchServer::closeEvent(QCloseEvent* event) {
    start_.stop();
    frames_.stop();
    snap_.stop();
    model_.markClosing();
    Q_EMIT closed();
    QWidget::closeEvent(event);
}

} // namespace fennick
