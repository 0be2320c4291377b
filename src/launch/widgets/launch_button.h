#pragma once

#include <QPushButton>

namespace fennick {

class Program;

// "Launch Quake" (`Command1`): a click launches the game; the pointer over
// it shows the command line the launch would run in the status line.
class LaunchButton : public QPushButton {
    Q_OBJECT
public:
    // How long the command line stays in the status line.
    static constexpr int kPreviewSeconds = 2;

    explicit LaunchButton(Program& program, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;

private:
    Program& program_;
};

} // namespace fennick
