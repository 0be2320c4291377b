#include "ui/app_look.h"

#include "common/fonts.h"
#include "common/readable_colour.h"
#include "ui/button_keys.h"

#include <QApplication>
#include <QStyleFactory>
#include <QToolTip>

namespace fennick {

namespace {

const QColor kWindow(24, 22, 20);
const QColor kText(232, 226, 214);
const QColor kDimText(130, 124, 114);

} // namespace

QPalette appPalette() {
    QPalette colours;
    colours.setColor(QPalette::Window, kWindow);
    colours.setColor(QPalette::WindowText, QColor(225, 218, 205));
    colours.setColor(QPalette::Base, QColor(38, 35, 32));
    colours.setColor(QPalette::AlternateBase, QColor(46, 42, 38));
    colours.setColor(QPalette::Text, kText);
    colours.setColor(QPalette::Button, QColor(64, 58, 52));
    colours.setColor(QPalette::ButtonText, QColor(240, 234, 222));
    colours.setColor(QPalette::BrightText, QColor(255, 255, 255));
    colours.setColor(QPalette::Light, QColor(96, 88, 80));
    colours.setColor(QPalette::Midlight, QColor(78, 71, 64));
    colours.setColor(QPalette::Mid, QColor(52, 48, 44));
    colours.setColor(QPalette::Dark, QColor(16, 15, 14));
    colours.setColor(QPalette::Shadow, QColor(0, 0, 0));
    colours.setColor(QPalette::Highlight, QColor(150, 66, 22));
    colours.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    colours.setColor(QPalette::Link, QColor(240, 150, 90));
    colours.setColor(QPalette::LinkVisited, QColor(200, 130, 90));
    colours.setColor(QPalette::ToolTipBase, QColor(46, 42, 38));
    colours.setColor(QPalette::ToolTipText, QColor(236, 230, 218));
    colours.setColor(QPalette::PlaceholderText, QColor(140, 132, 120));
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        colours.setColor(QPalette::Disabled, role, kDimText);
    colours.setColor(QPalette::Disabled, QPalette::Base, QColor(30, 28, 26));
    colours.setColor(QPalette::Disabled, QPalette::Button, QColor(44, 40, 36));
    colours.setColor(QPalette::Disabled, QPalette::Highlight, QColor(80, 72, 64));
    return colours;
}

QColor onWindow(const QColor& colour) {
    return readableOn(colour, kWindow);
}

void applyAppLook(QApplication& app) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QApplication::setPalette(appPalette());
    QToolTip::setPalette(appPalette());
    // The windows are laid out at fixed positions, so they use a named face
    // that the setup script installs rather than the desktop theme's choice.
    QApplication::setFont(sansPointFont(9));
    ButtonKeys::install(app);
}

} // namespace fennick
