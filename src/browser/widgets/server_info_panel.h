#pragma once

#include <QImage>
#include <QWidget>

namespace fennick {

// The browser's info panel (`picServerInfo`): a picture of the chosen
// server's state, drawn by the browser once a second. A double click asks
// for the server watch window.
class ServerInfoPanel : public QWidget {
    Q_OBJECT
public:
    static const QColor kBackground;

    explicit ServerInfoPanel(QWidget* parent = nullptr);

    void showPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

Q_SIGNALS:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage picture_;
};

} // namespace fennick
