#pragma once

#include "browser/watch_frame.h"
#include "browser/watch_painter.h"

#include <QTimer>
#include <QWidget>

namespace fennick {

class Program;
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
    static constexpr QSize kOpenSize{200, 180};
    // After a move the window system made, the window snaps once it has
    // kept still this long.
    static constexpr int kSnapAfterMs = 250;

    explicit frmWatchServer(WatchSources sources, QWidget* parent = nullptr);

    // Opens a watch window on an open browser, at the given place.
    static frmWatchServer* watch(ServerBrowser& browser, Program& program, QPoint at);

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
    void startDrag(QMouseEvent* event);
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
    // A drag the window does itself, where the window system offers none:
    // the button that holds it, none when there is no such drag.
    Qt::MouseButton dragButton_ = Qt::NoButton;
    QPoint dragOffset_;
    bool systemMove_ = false;
    int framesDrawn_ = 0;
};

} // namespace fennick
