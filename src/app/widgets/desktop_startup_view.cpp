#include "app/widgets/desktop_startup_view.h"

#include "app/widgets/form1.h"
#include "app/widgets/splash_window.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace fennick {

DesktopStartupView::DesktopStartupView(Form1& mainWindow) : mainWindow_(&mainWindow) {}

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
    mainWindow_->show();
    mainWindow_->raise();
    mainWindow_->activateWindow();
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

bool DesktopStartupView::splashShown() const {
    return splash_ && splash_->isVisible();
}

} // namespace fennick
