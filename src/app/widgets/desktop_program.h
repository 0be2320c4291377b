#pragma once

#include "app/program.h"
#include "app/startup.h"
#include "app/widgets/desktop_startup_view.h"
#include "app/widgets/desktop_ui.h"
#include "app/widgets/form1.h"
#include "app/widgets/frm_setup.h"
#include "browser/widgets/frm_browse_server.h"
#include "console/widgets/frm_console.h"
#include "customwin/widgets/add_on_windows.h"
#include "maps/widgets/frm_map_browser.h"

#include <QPointer>

namespace fennick {

// The desktop program put together: the program-wide state over a program
// folder, the windows that live for the whole run, and the start-up that
// brings them up. Closing the main window saves the program settings and
// closes every other window.
class DesktopProgram {
public:
    // The clock is the system's unless one is given (tests give theirs).
    explicit DesktopProgram(const QString& programFolder, platform::Clock* clock = nullptr);
    ~DesktopProgram();

    // Runs the start-up sequence. False when the main window was closed
    // while the program was still starting.
    bool start();

    Program& program() { return program_; }
    Startup& startup() { return startup_; }
    Form1& mainWindow() { return form_; }
    frmSetup& setupDialog() { return setup_; }
    frmConsole& consoleWindow() { return console_; }
    AddOnWindows& customWindows() { return customWindows_; }
    // The server browser while it is open.
    frmBrowseServer* serverBrowser() { return serverBrowser_; }
    // The map browser while it is open.
    frmMapBrowser* mapBrowser() { return mapBrowser_; }

private:
    void shutDown();
    void chooseGameIfNone();
    void openServerBrowser();
    void openMapBrowser();

    DesktopUi ui_;
    Program program_;
    frmConsole console_;
    AddOnWindows customWindows_{program_.formServices(), console_};
    frmSetup setup_;
    Form1 form_;
    DesktopStartupView view_;
    Startup startup_;
    QPointer<frmBrowseServer> serverBrowser_;
    QPointer<frmMapBrowser> mapBrowser_;
};

} // namespace fennick
