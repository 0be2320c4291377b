#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>
#include <variant>

namespace fennick::cli {

struct ParseError {
    QString message;
};

// One option a command accepts: its name ("--json", "-e") and whether it
// takes a value (the next argument, or after "=" for a long option).
struct OptionSpec {
    QString name;
    bool takesValue = false;
};

struct ParsedOption {
    QString name;
    QString value; // empty for a flag
};

// A command's arguments: its options in the order given, and the other
// arguments (positional) when the command takes any.
struct ParsedOptions {
    QVector<ParsedOption> options;
    QStringList positional;
    bool help = false; // "-h" or "--help" was given

    bool has(const QString& name) const;
    // The last value given for the option, or `fallback` when absent.
    QString value(const QString& name, const QString& fallback = {}) const;
    QStringList values(const QString& name) const;
};

// Parses the arguments after the command word. Without `positional`, a
// non-option argument is an unknown option; "--" ends the options.
std::variant<ParsedOptions, ParseError>
parseOptions(const QStringList& arguments, const QVector<OptionSpec>& specs, bool positional);

// Reads a whole number option value within [low, high]: the number, or the
// message to print.
std::variant<int, ParseError> numberOption(const QString& name, const QString& value, int low,
                                           int high);

} // namespace fennick::cli
