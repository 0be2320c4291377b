#include "ui/app_look.h"

#include <QApplication>
#include <gtest/gtest.h>

// Every test program runs inside one QApplication on the offscreen
// platform, so sockets, timers and widgets work without a display.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    fennick::applyAppLook(app); // as the desktop program does
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
