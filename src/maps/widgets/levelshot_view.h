#pragma once

#include <QImage>
#include <QWidget>

namespace fennick {

// The map browser's picture area (`picMap`): the level shot stretched over
// the whole area, or the empty background when there is none.
class LevelshotView : public QWidget {
    Q_OBJECT
public:
    explicit LevelshotView(QWidget* parent = nullptr);

    void showPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

} // namespace fennick
