#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The small rules the launch shares with the configuration files and the
// command-line tool: which records are the program's own, how values are
// quoted, where the start-up script goes and how each game spells its
// arguments.
namespace fennick {

// True when a record with this mode mask counts for the game mode `mp`
// (the numeric value of fenkit_mp): mask 0 and mode 0 always count; mask 4
// stands for a local game, single player (1) or server (2).
bool modeMatches(qint16 mask, double mp);

// The program's own settings ("fenkit_" in any letter case) never go into
// the start-up script.
bool isOwnRecord(const QString& name);

// A value is quoted when a space follows its first character (a value
// whose only space leads it reads back unquoted, any other needs quotes) or
// when it holds a ";", so a game reading the line never starts a command
// inside the value.
bool needsQuotes(const QString& value);

// Appends a value as one word of a saved or script line: in double quotes
// when needed, a double quote inside it written as an apostrophe.
void appendValueWord(QString& line, const QString& value);

// The value as the script and command-line text show it: in double quotes
// when it holds a space that is not its first character.
QString quotedValue(const QString& value);

// True for the plain game: a game identifier, or no mod chosen at all.
bool isPlainGameKey(const QString& modKey);

// What starts a command on the game's command line: "+" for all three
// games. A "-" starts one of Quake's start-up options, which the engine
// does not run as a command (so "-exec" would never read the script).
QString commandMarkOf(const QString& game);

// True when a record of this kind is written as its name and value alone:
// Quake has no "set" command, it sets a cvar by its name ("+fraglimit 20"
// on the command line, "fraglimit 20" in the script). Other kinds ("bind")
// keep their command word, and Quake II and Quake III keep "set".
bool setsByName(const QString& game, const QString& kind);

// The arguments that choose a mod: "-game M" (Quake's start-up option),
// "+set game M" and "+set fs_game M" (set before the file system starts,
// so the script is found in the mod's folder); none for the plain game.
QStringList modArgumentsOf(const QString& game, const QString& modKey);

// True when the text can stand as one component of a file name: not empty,
// no "/" or "\", no "..", no line breaks. Player names and mod keys end up in
// file names; anything else could reach outside its folder.
bool isSafeNamePart(const QString& text);

// True when a name read from outside (an archive's map, a mod folder, a bot,
// a server's address) could not stand as one word of data where the game or
// Fennick's own console reads it: it holds ";" or "|" (which end a command),
// a double quote (which ends a quoted word), a line break or another control
// character. Such names are not offered at all.
bool breaksCommandWord(const QString& text);

// The console line that says such a name was left out, for example
// `Left out the mod folder "a;quit": ...`; control characters show as "?".
QString leftOutNotice(const QString& what, const QString& name);

// A value as one word of data in the start-up script: a double quote becomes
// an apostrophe and a control character a space (the line would otherwise
// end there), and the value is quoted as the saved lines quote theirs
// (needsQuotes: a space after its first character, or a ";"), so the game
// never reads a command from it.
QString scriptWord(const QString& value);

// A value as one argument of the game's command line. The engine joins its
// arguments into one text, puts those with a space in double quotes, and
// starts a new command at every "+" and ";" outside quotes; an argument that
// holds one of those but no space is therefore quoted here.
QString commandLineWord(const QString& value);

} // namespace fennick
