#pragma once

#include "app/widgets/strip_hit_areas.h"
#include "app/widgets/title_strip_painter.h"

#include <QImage>
#include <QWidget>
#include <functional>

class QLabel;
class QTimer;

namespace fennick {

class Program;

// The main window. Its top strip shows the current game, the game icons,
// "Setup" and the status line; the area below it (panelArea) holds the
// mod and configuration panel, the video controls, the launch button and,
// further down, the button panels. Closing it ends the program.
class Form1 : public QWidget {
    Q_OBJECT
public:
    static constexpr int kStatusTickMs = 500;

    Form1(Program& program, QWidget& setupDialog, QWidget* parent = nullptr);
    ~Form1() override;

    // Draws the title strip from the program's state.
    void RedrawForm();

    // What the strip's tooltip says over an area: its name and its key.
    static QString stripToolTip(StripArea area);

    // The place below the strip for the window's panels.
    QWidget* panelArea() const { return panelArea_; }

    // Runs once when the window is asked to close, by any means, before it
    // goes: the program writes its settings and closes its other windows.
    std::function<void()> onClosing;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPanel();
    void orderTabs();
    void buildStripKeys();
    int measure(const QString& text) const;
    QFont statusFont() const;
    void tickStatus();
    bool mayLight(StripArea area) const;
    void clickArea(StripArea area);
    QString currentExecutable() const;

    Program& program_;
    QWidget& setupDialog_;
    TitleStripPainter painter_;
    QImage strip_;
    StripArea hovered_ = StripArea::None;
    QLabel* tmpLabel_ = nullptr;
    QWidget* panelArea_ = nullptr;
    QTimer* statusTimer_ = nullptr;
    bool closing_ = false;
};

} // namespace fennick
