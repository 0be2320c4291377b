#pragma once

#include "core/ui_host.h"

#include <QPointer>
#include <QWidget>
#include <functional>

namespace fennick {

class AddOnWindows;
class ConsoleLog;

// The desktop program's way for the core to reach its windows. Built before
// the Program (which keeps a reference to it) and attached to the console
// log and the console window once those exist.
class DesktopUi : public UiHost {
public:
    void attach(ConsoleLog& console, QWidget* consoleWindow);
    // The custom windows that "loadform" opens and refreshing reaches.
    void attachCustomWindows(AddOnWindows& windows) { customWindows_ = &windows; }
    // The windows the core opens appear beside this one (the main window).
    void attachMainWindow(QWidget* window) { mainWindow_ = window; }
    // What "openserverbrowser" opens.
    void attachServerBrowser(std::function<void()> open) { openServerBrowser_ = std::move(open); }
    // What "openmapbrowser" opens.
    void attachMapBrowser(std::function<void()> open) { openMapBrowser_ = std::move(open); }

    void openConsole() override;
    void openMapBrowser() override;
    void openServerBrowser() override;
    void loadForm(const QString& path) override;
    void refreshBoundControls() override;
    void yieldOnce() override;

private:
    void notAvailable(const QString& window);

    ConsoleLog* console_ = nullptr;
    QPointer<QWidget> consoleWindow_;
    QPointer<QWidget> mainWindow_;
    AddOnWindows* customWindows_ = nullptr;
    std::function<void()> openServerBrowser_;
    std::function<void()> openMapBrowser_;
};

} // namespace fennick
