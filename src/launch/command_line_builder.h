#pragma once

#include "console/cvar_record.h"
#include "launch/launch_context.h"
#include "launch/script_location.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace fennick {

class BotList;
class FastInfo;

// Turns the cvar store into what the game gets: its command line and the
// lines of the start-up script "fenkit.cfg". Rebuilt after every change of a
// cvar, so the console window always shows what a launch would do; the
// results go to the program's launch preview. Only a rebuild with writing on
// touches the disk.
class CommandLineBuilder {
public:
    // Picks the bots from `bots` and fills `fastInfo` with the cvars it shows.
    CommandLineBuilder(const LaunchContext& context, BotList& bots, FastInfo& fastInfo);

    // Rebuilds the command line, the script lines and the fast-info entries.
    // With write on it also replaces the script file; false when that write
    // was refused or failed (a console line says why).
    bool MakeCommandLine(bool write);

    // True when a record with this mode mask counts for the current fenkit_mp.
    bool ModeMatches(qint16 mask) const;

    // The last rebuild's command line as the system gets it: the executable
    // and the same tokens as the text, unquoted.
    const QString& executable() const { return executable_; }
    const QStringList& arguments() const { return arguments_; }

private:
    struct Build;

    Build startBuild();
    void publish(const Build& build, QStringList lines, const ScriptLocation& location,
                 bool written, double start);
    void applyBotDefaults(const Build& build);
    void sortRecords(Build& build);
    QStringList assembleScript(const Build& build) const;
    void appendExtraCommands(const Build& build, qint32 placement, QStringList& lines) const;
    void addFastInfo(const Build& build);
    void addBots(Build& build, const CvarRecord& record);
    void addToCommandLine(Build& build, const CvarRecord& record);
    // Where the script goes for the current game and mod. Rebuilds without
    // writing reuse the last answer while its inputs stay the same, so only
    // a write looks at the disk every time.
    ScriptLocation scriptLocationFor(const QString& game, bool fresh);
    // The data or mod folder the script belongs in: the mod's, or the
    // game's base data folder for the plain game.
    QString scriptFolderOf(const QString& game) const;
    // Writes the script; a location that changes on the way (the per-user
    // folder after the game folder refused) is updated.
    bool writeScript(ScriptLocation& location, const QStringList& lines);
    bool writeToPerUserFolder(ScriptLocation& location, const QStringList& lines);
    bool writeScriptFile(const ScriptLocation& location, const QStringList& lines,
                         QString* error) const;
    // Brings the cached script line of a store slot up to date.
    void refreshLine(qsizetype index, const CvarRecord& record);

    // One script line per store slot, reused while the record's kind, name
    // and value stay the same: a configuration load rebuilds after every line.
    struct CachedLine {
        QString kind;
        QString name;
        QString value;
        QString line;
    };

    // The last script location and what it was worked out from.
    struct LocationCache {
        QString inputs;
        ScriptLocation location;
    };

    LaunchContext context_;
    BotList& bots_;
    FastInfo& fastInfo_;
    bool building_ = false;
    LocationCache locationCache_;
    QVector<CachedLine> lineCache_;
    QString executable_;
    QStringList arguments_;
};

} // namespace fennick
