#pragma once

#include "core/game_facts.h"
#include "core/game_install.h"
#include "core/game_state.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace fennick {

class FennickIni;
namespace platform {
class SystemLookup;
}

// The program settings that the setup dialog edits and "config.cfg" keeps.
// This model is their storage while the program runs: the dialog views it.
// Assigning a directory or the q3map path validates it at once, exactly as
// typing into the dialog's field does, and publishes the executable paths
// into the GameState. The engines the user set for each game are kept in
// "fennick.ini"; setting one validates its game's directory again.
class ProgramSettings : public QObject {
    Q_OBJECT
public:
    ProgramSettings(GameState& game, FennickIni& ini, const platform::SystemLookup& system,
                    QObject* parent = nullptr);

    const QString& quakeDir() const { return directories_[0]; }
    const QString& quake2Dir() const { return directories_[1]; }
    const QString& quake3Dir() const { return directories_[2]; }
    const QString& q3MapPath() const { return q3MapPath_; }
    void setQuakeDir(const QString& dir) { setDirectoryOf(kQuake1, dir); }
    void setQuake2Dir(const QString& dir) { setDirectoryOf(kQuake2, dir); }
    void setQuake3Dir(const QString& dir) { setDirectoryOf(kQuake3, dir); }
    void setQ3MapPath(const QString& path);
    // Assigns the directory field of a game ("quake1", "quake2", "quake3");
    // other names are ignored.
    void setDirectoryOf(const QString& game, const QString& dir);

    // What the OK button does before hiding the dialog: each directory
    // field, in the order Quake, Quake II, Quake III, loses one trailing
    // backslash (on Linux also one trailing "/") and is validated again.
    void trimTrailingSeparators();

    bool quakeDirValid() const { return directoryValid(kQuake1); }
    bool quake2DirValid() const { return directoryValid(kQuake2); }
    bool quake3DirValid() const { return directoryValid(kQuake3); }
    bool directoryValid(const QString& game) const { return !game_.executableOf(game).isEmpty(); }
    bool q3MapValid() const { return q3MapValid_; }

    // The directory field of a game ("quake1", "quake2", "quake3").
    QString directoryOf(const QString& game) const;

    // The engine field of a game: what "fennick.ini" names under [engines].
    // Setting it validates the game's directory again.
    QString engineOf(const QString& game) const;
    void setEngineOf(const QString& game, const QString& engine);

    // What the last validation of a game's directory found: the executable
    // a launch starts, where its engine came from, or why it is not valid.
    const GameInstall& installOf(const QString& game) const;
    // The newest game with a valid directory (Quake III, else Quake II,
    // else Quake), the one a start brings up; empty when there is none.
    QString newestValidGame() const;

    // Validates every directory again, for engines that were installed or
    // settings that were read since (start-up reads "fennick.ini").
    void revalidate();

    // The entries of the OpenGL mode drop-down, in the order shown.
    static const QStringList& oglModes();

    // The other fields, kept as the dialog shows them.
    QString oglMode = QStringLiteral("Default OpenGL");
    QString maxServers = QStringLiteral("10");
    QString updateFrequency = QStringLiteral("5");
    bool showMapFiles = false;
    bool createDescription = false;

    // Every field at one moment, to go back to: the setup dialog's Cancel
    // restores what the fields held when it was opened.
    struct Snapshot {
        QString directories[kGameCount];
        QString engines[kGameCount];
        QString q3MapPath, oglMode, maxServers, updateFrequency;
        bool showMapFiles = false;
        bool createDescription = false;
    };
    Snapshot snapshot() const;
    // Assigns every field as a user would (validating again), then tells
    // the views once.
    void restore(const Snapshot& values);

    // Tells views that some field changed from code (loading, search).
    void notifyChanged() { Q_EMIT changed(); }

Q_SIGNALS:
    void changed();
    // The Quake III directory field was assigned (typed, browsed, loaded,
    // searched).
    void quake3DirectoryChanged();

private:
    void validate(const QString& game);

    GameState& game_;
    FennickIni& ini_;
    const platform::SystemLookup& system_;
    GameInstall installs_[kGameCount];
    QString directories_[kGameCount]; // by the games' slots
    QString q3MapPath_;
    bool q3MapValid_ = false;
};

} // namespace fennick
