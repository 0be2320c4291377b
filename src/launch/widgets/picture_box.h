#pragma once

#include <QLabel>

namespace fennick {

// A picture that answers a left click, like the picture boxes of the main
// window's panel (the mod icon, the renderer picture).
class PictureBox : public QLabel {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace fennick
