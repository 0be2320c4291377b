#pragma once

#include <QImage>
#include <QWidget>

namespace fennick {

class CvarStore;
class FastInfo;
struct GameState;
class LevelShots;
class MapTitles;

// The main window's map picture (`picMap`): the level shot of the map the
// cvar "map" names, stretched over the picture area, with the map's title
// below it. It follows the fast-info panel's redraws that ask for a
// refresh.
class MapPicture : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kPictureSize{96, 72};
    static constexpr int kTitleHeight = 30;

    MapPicture(FastInfo& fastInfo, const CvarStore& cvars, const GameState& game, MapTitles& titles,
               LevelShots& levelShots, QWidget* parent = nullptr);

    const QString& mapName() const { return map_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showMap();

    const CvarStore& cvars_;
    const GameState& game_;
    MapTitles& titles_;
    LevelShots& levelShots_;
    QString shown_; // game, mod and map of what is shown
    QString map_;
    QString title_;
    QImage picture_;
};

} // namespace fennick
