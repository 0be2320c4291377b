#pragma once

#include "app/startup.h"

#include <QPointer>
#include <memory>

namespace fennick {

class Form1;
class SplashWindow;
class frmSetup;

// How the start-up sequence shows itself on the desktop: the splash
// window, the main window, and waits that keep the windows alive.
class DesktopStartupView : public StartupView {
public:
    DesktopStartupView(Form1& mainWindow, frmSetup& setupDialog);
    ~DesktopStartupView() override;

    void showSplash() override;
    void showMainWindow() override;
    void closeSplash() override;
    // Waits in a nested event loop woken by a timer: windows stay live and
    // an idle wait costs nothing.
    void waitMilliseconds(int ms) override;
    // Opens the setup dialog over the main window with a line that says
    // what to choose.
    void noGameFound() override;

    bool splashShown() const;

private:
    QPointer<Form1> mainWindow_;
    frmSetup& setupDialog_;
    std::unique_ptr<SplashWindow> splash_;
};

} // namespace fennick
