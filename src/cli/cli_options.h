#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

namespace fennick::cli {

// What `fennick-cli run` was asked to do.
struct RunOptions {
    QString programFolder; // empty: the folder of the executable
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
    bool readStdin = false;        // --stdin: read lines even with -e or actions
};

// Standard input is read when asked with --stdin, or when the run has
// neither -e lines nor a configuration or launch action to do: a shortcut
// that only launches must not wait for input that never comes.
bool readsStandardInput(const RunOptions& options);

struct ParsedCommand {
    enum class Kind { Help, Run } kind = Kind::Help;
    RunOptions run;
};

struct ParseError {
    QString message;
};

// Parses the arguments after the program name. On error the message says
// what was wrong, ready to print.
std::variant<ParsedCommand, ParseError> parseArguments(const QStringList& arguments);

QString usageText();

} // namespace fennick::cli
