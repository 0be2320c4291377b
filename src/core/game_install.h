#pragma once

#include <QString>

namespace fennick {

namespace platform {
class SystemLookup;
}

// What a game directory starts, found by its validation: the Windows
// executable in the folder, or a native engine for a folder that holds
// only the game's data.
struct GameInstall {
    enum class Layout { None, Windows, Native };
    // Where the native engine was found.
    enum class Source { None, Folder, Configured, Path };

    Layout layout = Layout::None;
    Source source = Source::None;
    QString executable;     // full path of what a launch starts; empty: not valid
    QString dataFolder;     // the game's base data folder ("baseq3", "baseoa", ...)
    QString homeFolder;     // a native engine's per-user folder, empty when unknown
    QString problem;        // why the directory is not valid, in words
    bool dataFound = false; // the base data folder is there (with or without an engine)

    bool valid() const { return !executable.isEmpty(); }
    bool native() const { return layout == Layout::Native; }
};

// What the user has set for a game's engine in "fennick.ini".
struct EngineSettings {
    QString engine; // a full path or a program name; empty: a well-known one
    QString home;   // the engine's per-user folder; empty: the engine's own
};

// Validates a game directory. It is valid when it holds one of the game's
// Windows executables (the first found in the game's order of
// preference), or else when it holds the game's base data folder and an
// engine is found: the configured one (a path, or a name looked for in
// the folder and then on PATH), else the first well-known engine in the
// folder, else the first one on PATH.
GameInstall inspectGameFolder(const QString& game, const QString& directory,
                              const EngineSettings& settings, const platform::SystemLookup& system);

// One line for the setup dialog and the command-line tool: what a launch
// starts and where it was found, or why the directory is not valid.
QString describeInstall(const GameInstall& install);

} // namespace fennick
