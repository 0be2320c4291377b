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
};

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
