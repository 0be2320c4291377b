#include "buttons/widgets/fast_info_view.h"

#include "buttons/fast_info.h"
#include "buttons/fast_info_painter.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace fennick {

FastInfoView::FastInfoView(FastInfo& info, QWidget* parent) : QWidget(parent), info_(info) {
    setObjectName(QStringLiteral("picInfo"));
    setFixedSize(FastInfoPainter::kPanelSize);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(tr("Click a line to change it (left or right button). Keyboard: Up and Down "
                  "choose a line, Enter changes it, Shift+Enter as the right button."));
    // Every right click here is a line's command: the main window's own
    // context menu must not take it over, or values would step one way only.
    setContextMenuPolicy(Qt::PreventContextMenu);
    // A rebuild keeps the keyboard's line lit while the panel has the focus.
    connect(&info_, &FastInfo::redrawRequested, this, [this] {
        const QVector<int> lines = info_.commandLines();
        if (!lines.contains(keyLine_))
            keyLine_ = -1;
        redraw(hasFocus() ? keyLine_ : -1);
    });
    redraw(-1);
}

void FastInfoView::showBackground(const QString& path) {
    background_ = path.isEmpty() ? QImage() : QImage(path);
    redraw(-1);
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
    if (hasFocus()) {
        painter.setPen(palette().color(QPalette::Highlight));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void FastInfoView::stepKeyLine(int step) {
    const QVector<int> lines = info_.commandLines();
    if (lines.isEmpty())
        return;
    const qsizetype at = lines.indexOf(keyLine_);
    const qsizetype next = at < 0 ? (step > 0 ? 0 : lines.size() - 1)
                                  : qBound<qsizetype>(0, at + step, lines.size() - 1);
    keyLine_ = lines[next];
    redraw(keyLine_);
}

void FastInfoView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Down:
        stepKeyLine(1);
        return;
    case Qt::Key_Up:
        stepKeyLine(-1);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (keyLine_ >= 0)
            info_.run(keyLine_, event->modifiers() & Qt::ShiftModifier);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void FastInfoView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (keyLine_ < 0)
        stepKeyLine(1);
    else
        redraw(keyLine_);
}

void FastInfoView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    redraw(-1);
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
