#pragma once

#include <QImage>
#include <QWidget>

namespace fennick {

class FastInfo;
class ModPanel;

// The fast-info panel (`picInfo`): the model's lines drawn by
// FastInfoPainter over the game's background picture. The line under the
// pointer is highlighted when it has a command; a released button runs it.
class FastInfoView : public QWidget {
    Q_OBJECT
public:
    FastInfoView(FastInfo& info, ModPanel& panel, QWidget* parent = nullptr);

    // The panel as last drawn.
    const QImage& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void loadBackground();
    void redraw(int highlight);

    FastInfo& info_;
    ModPanel& panel_;
    QImage background_;
    QImage picture_;
    int highlight_ = -1;
};

} // namespace fennick
