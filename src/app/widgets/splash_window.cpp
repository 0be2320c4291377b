#include "app/widgets/splash_window.h"

#include "app/startup.h"
#include "common/fonts.h"
#include "ui/metal_text.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace fennick {

namespace {

constexpr QSize kSize(380, 190);

void paintPlate(QPainter& painter, const QRect& all) {
    QLinearGradient plate(0, 0, 0, all.height());
    plate.setColorAt(0.0, QColor(60, 54, 48));
    plate.setColorAt(0.55, QColor(32, 29, 26));
    plate.setColorAt(1.0, QColor(16, 14, 13));
    painter.fillRect(all, plate);
    paintGrain(painter, all, 6000, 11u);
    painter.setPen(QColor(120, 108, 94));
    painter.drawRect(all.adjusted(0, 0, -1, -1));
    painter.setPen(QColor(150, 66, 22));
    painter.drawRect(all.adjusted(4, 4, -5, -5));
}

} // namespace

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Fennick"));
    setFixedSize(kSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QString SplashWindow::versionText() {
    return QStringLiteral("Version %1.%2 - Build #%3")
        .arg(kVersionMajor)
        .arg(kVersionMinor)
        .arg(kVersionRevision);
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect all = rect();
    paintPlate(painter, all);

    const QFont title = sansFont(54, true);
    paintMetalText(painter, QRectF(0, 22, all.width(), 70), QStringLiteral("FENNICK"), title,
                   {QColor(240, 184, 112), QColor(112, 50, 16), QColor(36, 16, 6)});

    painter.setFont(sansFont(12));
    painter.setPen(QColor(214, 204, 190));
    painter.drawText(QRect(0, 100, all.width(), 18), Qt::AlignCenter,
                     QStringLiteral("A front-end for Quake, Quake II and Quake III Arena"));
    painter.setPen(QColor(150, 140, 128));
    painter.drawText(QRect(0, 120, all.width(), 18), Qt::AlignCenter, versionText());
    painter.setPen(QColor(255, 150, 90));
    painter.drawText(QRect(0, 152, all.width(), 18), Qt::AlignCenter, QStringLiteral("Loading..."));
}

} // namespace fennick
