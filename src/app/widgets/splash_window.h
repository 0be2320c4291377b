#pragma once

#include <QWidget>

namespace fennick {

// The window shown while the program starts: a dark plate with the
// program's name and version, drawn by the window itself.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    // "Version 0.13 - Build #72", from the program's version numbers.
    static QString versionText();

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace fennick
