#include "core/program_folder.h"

#include "core/shipped_files.h"
#include "platform/file_system.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace fennick {

namespace {

// A folder holds the shipped content when it holds the catalogue.
bool holdsShippedContent(const QString& folder) {
    return !folder.isEmpty() &&
           platform::fileExists(platform::joinPath(folder, QStringLiteral("cmds.lst")));
}

ProgramFolderChoice failed(const QString& error) {
    ProgramFolderChoice choice;
    choice.error = error;
    return choice;
}

ProgramFolderChoice userFolderFilledFrom(const QString& shipped, const QString& userFolder) {
    if (userFolder.isEmpty())
        return failed(QStringLiteral("Cannot find a folder for your Fennick settings: the system "
                                     "names no data folder (is HOME set?)"));
    ProgramFolderChoice choice;
    choice.folder = QDir::cleanPath(userFolder);
    if (!platform::folderExists(choice.folder)) {
        QString error;
        if (!platform::makeFolder(choice.folder, &error))
            return failed(QStringLiteral("Cannot create the program folder %1: %2")
                              .arg(QDir::toNativeSeparators(choice.folder), error));
        choice.notes.append(QStringLiteral("Created program folder %1")
                                .arg(QDir::toNativeSeparators(choice.folder)));
    }
    const SeedResult seeded = seedProgramFolder(shipped, choice.folder);
    if (!seeded.error.isEmpty())
        return failed(QStringLiteral("Cannot fill the program folder %1 with Fennick's files: %2")
                          .arg(QDir::toNativeSeparators(choice.folder), seeded.error));
    choice.notes.append(seeded.notes);
    return choice;
}

} // namespace

QString programFolderOption() {
    return QStringLiteral("--program-folder");
}

QStringList programFolderDefaultLines() {
    return {QStringLiteral("(default: the folder of this executable when"),
            QStringLiteral("it holds cmds.lst, as a build or unpacked copy"),
            QStringLiteral("does; for an installed copy your data folder,"),
            QStringLiteral("~/.local/share/fennick)")};
}

ProgramFolderChoice resolveProgramFolder(const ProgramFolderPlaces& places) {
    ProgramFolderChoice choice;
    if (!places.chosenFolder.isEmpty()) {
        choice.folder = places.chosenFolder;
        return choice;
    }
    choice.folder = places.executableFolder;
    if (holdsShippedContent(places.executableFolder))
        return choice;
    const QString shipped =
        QDir::cleanPath(QDir(places.executableFolder).filePath(kShippedFolderFromExecutable));
    if (!holdsShippedContent(shipped))
        return choice;
    return userFolderFilledFrom(shipped, places.userDataFolder);
}

ProgramFolderPlaces programFolderPlaces(const QString& chosenFolder) {
    ProgramFolderPlaces places;
    places.executableFolder =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QStringLiteral(".");
    places.userDataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // A relative folder is taken from the current folder now: the game and
    // the compile batch run in other folders and are given paths below it.
    places.chosenFolder =
        chosenFolder.isEmpty() ? QString() : QFileInfo(chosenFolder).absoluteFilePath();
    return places;
}

} // namespace fennick
