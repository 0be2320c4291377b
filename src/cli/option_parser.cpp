#include "cli/option_parser.h"

namespace fennick::cli {

namespace {

const OptionSpec* findSpec(const QVector<OptionSpec>& specs, const QString& name) {
    for (const OptionSpec& spec : specs)
        if (spec.name == name)
            return &spec;
    return nullptr;
}

} // namespace

bool ParsedOptions::has(const QString& name) const {
    for (const ParsedOption& option : options)
        if (option.name == name)
            return true;
    return false;
}

QString ParsedOptions::value(const QString& name, const QString& fallback) const {
    for (auto it = options.crbegin(); it != options.crend(); ++it)
        if (it->name == name)
            return it->value;
    return fallback;
}

QStringList ParsedOptions::values(const QString& name) const {
    QStringList result;
    for (const ParsedOption& option : options)
        if (option.name == name)
            result.append(option.value);
    return result;
}

std::variant<ParsedOptions, ParseError>
parseOptions(const QStringList& arguments, const QVector<OptionSpec>& specs, bool positional) {
    ParsedOptions parsed;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool looksLikeOption = argument.startsWith(QLatin1Char('-')) && argument.size() > 1;
        if (positional && (optionsEnded || !looksLikeOption)) {
            parsed.positional.append(argument);
            continue;
        }
        if (positional && argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            parsed.help = true;
            return parsed;
        }
        QString name = argument;
        std::optional<QString> inlineValue;
        const qsizetype eq = argument.indexOf(QLatin1Char('='));
        if (argument.startsWith(QLatin1String("--")) && eq > 0) {
            name = argument.left(eq);
            inlineValue = argument.mid(eq + 1);
        }
        const OptionSpec* spec = findSpec(specs, name);
        if (!spec)
            return ParseError{QStringLiteral("unknown option '%1'").arg(argument)};
        QString value;
        if (spec->takesValue) {
            if (inlineValue)
                value = *inlineValue;
            else if (i + 1 < arguments.size())
                value = arguments[++i];
            else
                return ParseError{QStringLiteral("option '%1' needs a value").arg(name)};
        } else if (inlineValue) {
            return ParseError{QStringLiteral("option '%1' takes no value").arg(name)};
        }
        parsed.options.append({name, value});
    }
    return parsed;
}

std::variant<int, ParseError> numberOption(const QString& name, const QString& value, int low,
                                           int high) {
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok || number < low || number > high)
        return ParseError{QStringLiteral("%1 takes a number from %2 to %3, not '%4'")
                              .arg(name)
                              .arg(low)
                              .arg(high)
                              .arg(value)};
    return number;
}

} // namespace fennick::cli
