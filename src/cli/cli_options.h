#pragma once

#include "cli/option_parser.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

namespace fennick::cli {

// What `fennick-cli run` was asked to do.
struct RunOptions {
    QString programFolder; // empty: the default program folder
    QString game;          // "quake1", "quake2", "quake3" or empty
    QStringList lines;     // -e lines; empty: read standard input
    bool json = false;

    // The launch: the mod and configuration to load before the lines, and
    // what to do with the result after them.
    QString mod;                   // lower-case mod folder, or a game identifier
    std::optional<QString> config; // configuration name
    bool preview = false;          // print the command line and script lines
    bool write = false;            // write fenkit.cfg and the settings files
    bool launch = false;           // write and start the game
    bool readStdin = false;        // --stdin: read lines even with -e lines

    // A map chosen in its uncompiled form (".map") is compiled before
    // --launch: --compile LEVEL (1 to 4, as the compile dialog's options)
    // and --aas for the bots' file; --no-compile launches it uncompiled.
    std::optional<int> compileLevel;
    bool aas = false;
    bool noCompile = false;

    // The main window: the button group to choose after the mod and
    // configuration, and a file to draw the fast-info panel into.
    std::optional<QString> group;
    QString fastInfoPng;

    // Not an option: whether standard input is an interactive terminal.
    bool inputIsTerminal = false;
};

// Standard input is read when asked with --stdin, and whenever no -e line is
// given: piped lines reach the run whatever else it does. The one exception
// is a terminal on a run with a configuration or launch action, so a
// shortcut typed in a shell that only launches does not sit waiting for
// input nobody means to give.
bool readsStandardInput(const RunOptions& options);

// The options `run` accepts, for the option parser all commands share.
const QVector<OptionSpec>& runOptionSpecs();

// What the parsed options of `run` ask for, or what is wrong with them,
// ready to print.
std::variant<RunOptions, ParseError> runOptionsFrom(const ParsedOptions& given);

QString usageText();

} // namespace fennick::cli
