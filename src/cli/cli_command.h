#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QVector>

namespace fennick::cli {

// The streams a command reads and writes, and whether standard input is a
// terminal (a run with nothing to read does not wait on one).
struct CliStreams {
    QTextStream& input;
    QTextStream& output;
    QTextStream& errors;
    bool inputIsTerminal = false;
};

// One command of fennick-cli: its word, a line for the overview, its own
// help text, and its entry point, which parses the arguments after the
// command word and returns the exit status (2 for a wrong command line).
struct CliCommand {
    QString name;
    QString synopsis;
    QString (*usage)();
    int (*main)(const QStringList& arguments, CliStreams& streams);
};

// Every command, in the order the overview lists them.
const QVector<CliCommand>& cliCommands();

// Whether a command line draws pictures (the fast-info panel of "run
// --fast-info-png", a level shot): those need a GUI application for their
// fonts and image drawing. Every other command runs on a plain core
// application, which starts in a fraction of the time.
bool commandDraws(const QStringList& arguments);

// Runs a whole command line (the arguments after the program name):
// the overview for none or "--help", else the named command.
int dispatch(const QStringList& arguments, CliStreams& streams);

// The overview printed by "fennick-cli --help".
QString overviewText();

// The help lines of --program-folder, the same in every command's help:
// what the folder holds for the command (may be empty) and where it is
// when the option is not given.
QString programFolderHelp(const QString& holding = {});

// Prints a wrong command line's message the same way for every command;
// returns 2.
int wrongCommandLine(CliStreams& streams, const QString& message);

} // namespace fennick::cli
