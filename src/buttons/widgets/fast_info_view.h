#pragma once

#include <QImage>
#include <QWidget>

namespace fennick {

class FastInfo;

// The fast-info panel (`picInfo`): the model's lines drawn by
// FastInfoPainter over the game's background picture. The line under the
// pointer is highlighted when it has a command; a released button runs it.
// From the keyboard, Up and Down light the lines with a command in turn,
// Enter (or Space) runs the lit line's left-click command and Shift+Enter
// its right-click one.
class FastInfoView : public QWidget {
    Q_OBJECT
public:
    explicit FastInfoView(FastInfo& info, QWidget* parent = nullptr);

    // The game's picture behind the lines; an empty path draws none.
    void showBackground(const QString& path);

    // The panel as last drawn.
    const QImage& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void redraw(int highlight);
    void stepKeyLine(int step);

    FastInfo& info_;
    QImage background_;
    QImage picture_;
    int highlight_ = -1;
    int keyLine_ = -1; // the line lit from the keyboard, -1 for none
};

} // namespace fennick
