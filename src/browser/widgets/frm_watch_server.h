#pragma once

#include "browser/watch_frame.h"
#include "browser/watch_painter.h"

#include <QTimer>
#include <QWidget>

namespace fennick {

struct BrowserServices;
class ServerBrowser;

// "ServerWatcher": a small frameless window that keeps showing the
// browser's chosen server, redrawn 25 times a second by a timer while it
// is shown. It is moved by dragging it anywhere with any button, snaps to
// the screen edges, and is closed and resized with the buttons along its
// bottom edge. A thin view over WatchFrame.
class frmWatchServer : public QWidget {
    Q_OBJECT
public:
    static constexpr int kStartDelayMs = 500;
    static constexpr int kFrameMs = 40;
    // Opens as wide as it may grow, so the detail lines show whole.
    static constexpr QSize kOpenSize{WatchFrame::kMaxSize.width(), 180};
    // How far the mouse moves with a button held before a press drags.
    static constexpr int kDragDistance = 3;
    // After a move the window system made, the window snaps once it has
    // kept still this long after the button was let go.
    static constexpr int kSnapAfterMs = 250;

    explicit frmWatchServer(WatchSources sources, QWidget* parent = nullptr);

    // Opens a watch window on an open browser, at the given place.
    static frmWatchServer* watch(ServerBrowser& browser, const BrowserServices& services,
                                 QPoint at);

    // Shows the window; its frames start half a second later.
    void open();
    // One frame: the rows taken afresh, the size one step on, a repaint.
    void frame();

    WatchFrame& model() { return model_; }
    bool animating() const { return frames_.isActive(); }
    int framesDrawn() const { return framesDrawn_; }

Q_SIGNALS:
    // The window closed: the browser's own info panel takes over again.
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void startDrag(QPoint at);
    void endDrag();
    void snapToScreen();
    void runFramesWhenShown();

    WatchFrame model_;
    WatchPainter painter_;
    QVector<WatchLine> lines_;
    QTimer start_;
    QTimer frames_;
    QTimer snap_;
    bool started_ = false;
    // A press becomes a drag when the mouse moves with the button held. The
    // drag is the window's own (where the window system offers none, and
    // for the other buttons) or the window system's, which ends with a last
    // move after the button is let go.
    enum class Drag { None, Pending, Own, System, SystemEnding };
    Drag drag_ = Drag::None;
    Qt::MouseButton dragButton_ = Qt::NoButton;
    QPoint pressedAt_;
    QPoint dragOffset_;
    int framesDrawn_ = 0;
};

} // namespace fennick
