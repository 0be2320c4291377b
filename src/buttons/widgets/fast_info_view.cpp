#include "buttons/widgets/fast_info_view.h"

#include "buttons/fast_info.h"
#include "buttons/fast_info_painter.h"
#include "launch/mod_panel.h"

#include <QMouseEvent>
#include <QPainter>

namespace fennick {

FastInfoView::FastInfoView(FastInfo& info, ModPanel& panel, QWidget* parent)
    : QWidget(parent), info_(info), panel_(panel) {
    setObjectName(QStringLiteral("picInfo"));
    setFixedSize(FastInfoPainter::kPanelSize);
    setMouseTracking(true);
    // Every right click here is a line's command: the main window's own
    // context menu must not take it over, or values would step one way only.
    setContextMenuPolicy(Qt::PreventContextMenu);
    connect(&info_, &FastInfo::redrawRequested, this, [this] { redraw(-1); });
    connect(&panel_, &ModPanel::fastInfoBackgroundChanged, this, [this] {
        loadBackground();
        redraw(-1);
    });
    loadBackground();
    redraw(-1);
}

void FastInfoView::loadBackground() {
    const QString& path = panel_.fastInfoBackground();
    background_ = path.isEmpty() ? QImage() : QImage(path);
}

void FastInfoView::redraw(int highlight) {
    const qreal ratio = devicePixelRatioF();
    picture_ = QImage(size() * ratio, QImage::Format_RGB32);
    picture_.setDevicePixelRatio(ratio);
    FastInfoPainter::paint(picture_, background_, info_, highlight);
    highlight_ = highlight;
    update();
}

void FastInfoView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), picture_);
}

// Every move redraws the panel; only a change of the lit line repaints.
void FastInfoView::mouseMoveEvent(QMouseEvent* event) {
    const int line = info_.entryAt(int(event->position().y()));
    if (line != highlight_)
        redraw(line);
}

void FastInfoView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
        info_.release(event->button() == Qt::RightButton, int(event->position().y()));
}

void FastInfoView::leaveEvent(QEvent*) {
    if (highlight_ >= 0)
        redraw(-1);
}

} // namespace fennick
