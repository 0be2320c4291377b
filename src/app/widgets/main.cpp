#include "app/program.h"
#include "app/startup.h"
#include "app/widgets/desktop_startup_view.h"
#include "app/widgets/form1.h"
#include "app/widgets/frm_setup.h"
#include "console/widgets/frm_console.h"
#include "ui/desktop_ui.h"
#include "ui/window_closing.h"

#include <QApplication>

using namespace fennick;

// The desktop program: the program folder is the folder of the executable.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fennick"));

    DesktopUi ui;
    ProgramEnvironment environment;
    environment.programFolder = QCoreApplication::applicationDirPath();
    environment.ui = &ui;
    Program program(environment);

    // The console and the setup dialog live, hidden, for the whole run.
    frmConsole console(program);
    ui.attach(program.console, &console);
    frmSetup setup(program.settings);
    Form1 form(program, setup);

    DesktopStartupView view(form);
    Startup startup(program, &view);
    form.onClosing = [&] {
        startup.shutdown();
        closeOtherWindows(form);
    };

    startup.run();
    // The main window may already have been closed while starting.
    if (!form.isVisible())
        return 0;
    return app.exec();
}
