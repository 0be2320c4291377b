#include "app/widgets/desktop_program.h"
#include "common/fonts.h"

#include <QApplication>

// The desktop program: its program folder is the folder of the executable.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fennick"));
    // The windows are laid out at fixed positions, so they use a named face
    // that the setup script installs rather than the desktop theme's choice.
    QApplication::setFont(fennick::sansPointFont(9));

    fennick::DesktopProgram desktop(QCoreApplication::applicationDirPath());
    if (!desktop.start())
        return 0;
    return app.exec();
}
