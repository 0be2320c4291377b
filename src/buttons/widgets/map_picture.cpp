#include "buttons/widgets/map_picture.h"

#include "app/program.h"
#include "archive/levelshot_drawing.h"
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

// The picture is looked up again when the map, the game or the mod
// changed; a name too short to search leaves the picture as it was.
void MapPicture::showMap() {
    const QString map = program_.cvars.GetCvar(QStringLiteral("map"));
    const QString key = program_.game.currentGame + QLatin1Char('\n') +
                        program_.game.currentModKey + QLatin1Char('\n') + map;
    if (key == shown_)
        return;
    shown_ = key;
    map_ = map;
    title_ = map.isEmpty() ? QString() : program_.mapTitle(map);
    Levelshot shot = program_.levelShots.FindLevelshot(map);
    if (shot.outcome == Levelshot::Outcome::Found)
        picture_ = std::move(shot.picture);
    else if (shot.outcome == Levelshot::Outcome::NotFound)
        picture_ = QImage();
    update();
}

void MapPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area(QPoint(0, 0), kPictureSize);
    painter.fillRect(area, kEmpty);
    if (!picture_.isNull())
        drawLevelshot(painter, area, picture_);
    painter.setPen(kFrame);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.setFont(sansFont(10));
    painter.setPen(kTitle);
    painter.drawText(QRect(0, kPictureSize.height() + 2, width(), kTitleHeight - 2),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, title_);
}

} // namespace fennick
