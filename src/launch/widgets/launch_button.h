#pragma once

#include <QPushButton>

namespace fennick {

class GameLauncher;
class LaunchPreview;
class StatusLine;

// "Launch Quake" (`Command1`): a click launches the game; the pointer over
// it shows the command line the launch would run in the status line.
class LaunchButton : public QPushButton {
    Q_OBJECT
public:
    // How long the command line stays in the status line.
    static constexpr int kPreviewSeconds = 2;

    // Pointing at the button shows the previewed command line in the status line.
    LaunchButton(GameLauncher& launcher, StatusLine& status, const LaunchPreview& preview,
                 QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;

private:
    GameLauncher& launcher_;
    StatusLine& status_;
    const LaunchPreview& preview_;
};

} // namespace fennick
