#include "app/widgets/desktop_ui.h"

#include "core/console_log.h"
#include "customwin/widgets/add_on_windows.h"
#include "ui/window_placement.h"

#include <QCoreApplication>

namespace fennick {

void DesktopUi::attach(ConsoleLog& console, QWidget* consoleWindow) {
    console_ = &console;
    consoleWindow_ = consoleWindow;
}

void DesktopUi::openConsole() {
    if (consoleWindow_)
        showPlaced(*consoleWindow_, mainWindow_, WindowPlace::Beside);
}

void DesktopUi::openMapBrowser() {
    if (openMapBrowser_)
        openMapBrowser_();
    else
        notAvailable(QStringLiteral("The map browser"));
}

void DesktopUi::openServerBrowser() {
    if (openServerBrowser_)
        openServerBrowser_();
    else
        notAvailable(QStringLiteral("The server browser"));
}

void DesktopUi::loadForm(const QString& path) {
    if (customWindows_)
        customWindows_->LoadForm(path);
    else
        notAvailable(QStringLiteral("The custom window ") + path);
}

void DesktopUi::refreshBoundControls() {
    if (customWindows_)
        customWindows_->RefreshBoundControls();
}

void DesktopUi::yieldOnce() {
    QCoreApplication::processEvents();
}

void DesktopUi::notAvailable(const QString& window) {
    if (console_)
        console_->ConsolePrint(window + QStringLiteral(" is not available yet."));
}

} // namespace fennick
