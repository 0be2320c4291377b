#include "buttons/widgets/map_picture.h"

#include "app/program.h"
#include "common/fonts.h"

#include <QPainter>

namespace fennick {

namespace {

const QColor kFrame(86, 78, 70);
const QColor kEmpty(12, 11, 10);
const QColor kTitle(214, 204, 190);

} // namespace

MapPicture::MapPicture(Program& program, QWidget* parent) : QWidget(parent), program_(program) {
    setObjectName(QStringLiteral("picMap"));
    setFixedSize(kPictureSize.width(), kPictureSize.height() + kTitleHeight);
    connect(&program_.fastInfo, &FastInfo::redrawRequested, this, [this](bool refresh) {
        if (refresh)
            showMap();
    });
    showMap();
}

void MapPicture::showMap() {
    const QString map = program_.cvars.GetCvar(QStringLiteral("map"));
    if (map == map_)
        return;
    map_ = map;
    title_ = program_.mapTitle(map);
    picture_ = program_.levelshot(map);
    update();
}

void MapPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area(QPoint(0, 0), kPictureSize);
    painter.fillRect(area, kEmpty);
    if (!picture_.isNull())
        painter.drawImage(area, picture_);
    painter.setPen(kFrame);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.setFont(sansFont(10));
    painter.setPen(kTitle);
    painter.drawText(QRect(0, kPictureSize.height() + 2, width(), kTitleHeight - 2),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, title_);
}

} // namespace fennick
