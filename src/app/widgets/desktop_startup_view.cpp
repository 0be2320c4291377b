#include "app/widgets/desktop_startup_view.h"

#include "app/widgets/form1.h"
#include "app/widgets/frm_setup.h"
#include "app/widgets/splash_window.h"
#include "ui/window_placement.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace fennick {

DesktopStartupView::DesktopStartupView(Form1& mainWindow, frmSetup& setupDialog)
    : mainWindow_(&mainWindow), setupDialog_(setupDialog) {}

DesktopStartupView::~DesktopStartupView() = default;

void DesktopStartupView::showSplash() {
    if (!splash_)
        splash_ = std::make_unique<SplashWindow>();
    splash_->show();
    splash_->raise();
    // Let the splash paint before the loading work starts.
    QCoreApplication::processEvents();
}

void DesktopStartupView::showMainWindow() {
    if (!mainWindow_)
        return;
    mainWindow_->RedrawForm();
    showPlaced(*mainWindow_, nullptr, WindowPlace::CentredOver);
    if (splash_)
        splash_->raise();
}

void DesktopStartupView::closeSplash() {
    if (splash_)
        splash_->hide();
    splash_.reset();
}

void DesktopStartupView::waitMilliseconds(int ms) {
    QEventLoop loop;
    QTimer::singleShot(qMax(0, ms), &loop, &QEventLoop::quit);
    loop.exec();
}

void DesktopStartupView::noGameFound() {
    if (!mainWindow_ || !mainWindow_->isVisible())
        return;
    setupDialog_.showGuide(QStringLiteral(
        "No game folder was found. Choose the folder Quake, Quake II or Quake III Arena "
        "(or OpenArena) is installed in: type it or press Browse..., then OK."));
    showPlaced(setupDialog_, mainWindow_, WindowPlace::CentredOver);
}

bool DesktopStartupView::splashShown() const {
    return splash_ && splash_->isVisible();
}

} // namespace fennick
