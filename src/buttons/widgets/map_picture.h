#pragma once

#include <QImage>
#include <QWidget>

namespace fennick {

class Program;

// The main window's map picture (`picMap`): the level shot of the map the
// cvar "map" names, stretched over the picture area, with the map's title
// below it. It follows the fast-info panel's redraws that ask for a
// refresh.
class MapPicture : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kPictureSize{96, 72};
    static constexpr int kTitleHeight = 30;

    explicit MapPicture(Program& program, QWidget* parent = nullptr);

    const QString& mapName() const { return map_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showMap();

    Program& program_;
    QString shown_; // game, mod and map of what is shown
    QString map_;
    QString title_;
    QImage picture_;
};

} // namespace fennick
