#pragma once

#include <QString>
#include <QStringList>

namespace fennick {

// The name both programs give themselves, so that they share one user data
// folder (QStandardPaths::AppDataLocation, ~/.local/share/fennick).
inline const QString kApplicationName = QStringLiteral("fennick");

// Where an installed Fennick keeps its shipped program folder content, seen
// from the folder of its executables (bin/ beside share/).
inline const QString kShippedFolderFromExecutable = QStringLiteral("../share/fennick");

// The option both programs take to name their program folder
// ("--program-folder DIR").
QString programFolderOption();

// Where the program folder is when that option is not given, as the help
// of both programs says it: lines of at most 48 characters, the first
// beginning "(default: " and the last ending ")".
QStringList programFolderDefaultLines();

// The places a program folder can come from.
struct ProgramFolderPlaces {
    QString executableFolder; // the folder of the running executable
    QString userDataFolder;   // the user's own data folder; empty when unknown
    QString chosenFolder;     // given with --program-folder; empty when not given
};

// The program folder to run on, or why there is none.
struct ProgramFolderChoice {
    QString folder;
    QStringList notes; // what was done to the folder, for the log and the console
    QString error;     // not empty: there is no usable program folder
    bool ok() const { return error.isEmpty(); }
};

// Chooses the program folder:
// - the folder given with --program-folder, as it is;
// - the executable's folder when it holds the shipped content (a build
//   folder or an unpacked portable folder);
// - for an installed Fennick, whose content lies in ../share/fennick, the
//   user's data folder, created when missing and brought up to date with
//   the shipped files (seedProgramFolder);
// - otherwise the executable's folder.
ProgramFolderChoice resolveProgramFolder(const ProgramFolderPlaces& places);

// The places of this process: the folder of its executable, its
// application data folder and the chosen folder, made absolute.
ProgramFolderPlaces programFolderPlaces(const QString& chosenFolder);

} // namespace fennick
