#include "app/app_icon.h"
#include "app/widgets/desktop_program.h"
#include "core/program_folder.h"
#include "ui/app_look.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QMessageBox>
#include <QPixmap>

namespace {

// The folder given with --program-folder DIR, or empty.
QString chosenProgramFolder(const QApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Fennick, a desktop front-end for Quake, Quake II and Quake III Arena."));
    parser.addHelpOption();
    const QCommandLineOption folder(fennick::programFolderOption().mid(2),
                                    QStringLiteral("Use DIR as the program folder ") +
                                        fennick::programFolderDefaultLines().join(QLatin1Char(' ')),
                                    QStringLiteral("DIR"));
    parser.addOption(folder);
    parser.process(app);
    return parser.value(folder);
}

QIcon windowIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(fennick::drawFennickIcon(size)));
    return icon;
}

} // namespace

// The desktop program, on the program folder resolveProgramFolder chooses
// (as fennick-cli's); a folder that cannot be made ends it with a message.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The same name as fennick-cli: both use one user data folder.
    QApplication::setApplicationName(fennick::kApplicationName);
    QGuiApplication::setDesktopFileName(fennick::kApplicationName);
    QApplication::setWindowIcon(windowIcon());
    fennick::applyAppLook(app);

    const fennick::ProgramFolderChoice folder =
        fennick::resolveProgramFolder(fennick::programFolderPlaces(chosenProgramFolder(app)));
    if (!folder.ok()) {
        qCritical("fennick: %s", qPrintable(folder.error));
        // Nobody could close a message box on the offscreen platform.
        if (QGuiApplication::platformName() != QLatin1String("offscreen"))
            QMessageBox::critical(nullptr, QStringLiteral("Fennick"), folder.error);
        return 1;
    }
    fennick::DesktopProgram desktop(folder.folder);
    desktop.startup().programFolderNotes = folder.notes;
    if (!desktop.start())
        return 0;
    return app.exec();
}
