#include "app/widgets/desktop_program.h"

#include <QApplication>

// The desktop program: its program folder is the folder of the executable.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fennick"));

    fennick::DesktopProgram desktop(QCoreApplication::applicationDirPath());
    if (!desktop.start())
        return 0;
    return app.exec();
}
