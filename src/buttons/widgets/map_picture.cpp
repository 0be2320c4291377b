#include "buttons/widgets/map_picture.h"

#include "archive/level_shots.h"
#include "archive/levelshot_drawing.h"
#include "archive/map_titles.h"
#include "buttons/fast_info.h"
#include "common/fonts.h"
#include "console/cvar_store.h"
#include "core/game_state.h"

#include <QPainter>

namespace fennick {

namespace {

const QColor kFrame(86, 78, 70);
const QColor kEmpty(12, 11, 10);
const QColor kTitle(214, 204, 190);

} // namespace

MapPicture::MapPicture(FastInfo& fastInfo, const CvarStore& cvars, const GameState& game,
                       MapTitles& titles, LevelShots& levelShots, QWidget* parent)
    : QWidget(parent), cvars_(cvars), game_(game), titles_(titles), levelShots_(levelShots) {
    setObjectName(QStringLiteral("picMap"));
    setFixedSize(kPictureSize.width(), kPictureSize.height() + kTitleHeight);
    connect(&fastInfo, &FastInfo::redrawRequested, this, [this](bool refresh) {
        if (refresh)
            showMap();
    });
    showMap();
}

// The picture is looked up again when the map, the game or the mod
// changed; a name too short to search leaves the picture as it was.
void MapPicture::showMap() {
    const QString map = cvars_.GetCvar(QStringLiteral("map"));
    const QString key =
        game_.currentGame + QLatin1Char('\n') + game_.currentModKey + QLatin1Char('\n') + map;
    if (key == shown_)
        return;
    shown_ = key;
    map_ = map;
    title_ = map.isEmpty() ? QString() : titles_.shownTitle(map);
    Levelshot shot = levelShots_.findLevelshot(map);
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
