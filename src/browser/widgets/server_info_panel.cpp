#include "browser/widgets/server_info_panel.h"

#include <QPainter>

namespace fennick {

const QColor ServerInfoPanel::kBackground(20, 20, 26);

ServerInfoPanel::ServerInfoPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picServerInfo"));
    setToolTip(tr("Double Click to expand"));
    setMinimumSize(220, 120);
}

void ServerInfoPanel::showPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void ServerInfoPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    if (!picture_.isNull())
        painter.drawImage(QPoint(0, 0), picture_);
}

void ServerInfoPanel::mouseDoubleClickEvent(QMouseEvent*) {
    Q_EMIT doubleClicked();
}

} // namespace fennick
