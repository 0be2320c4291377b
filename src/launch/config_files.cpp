#include "launch/config_files.h"

#include "common/number_text.h"
#include "core/game_facts.h"
#include "core/launch_rules.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

#include <algorithm>

namespace fennick {

namespace {

constexpr int kConfigurationHeaderLines = 10;
constexpr int kReservedLines = 8;
constexpr int kListedConfigurations = 10;
// Configuration numbers stay far below this; a longer run of digits in a
// file name must not overflow the next number.
constexpr qint64 kLargestNumber = 1000000000;

// The number of a configuration file from the part of its name after the
// mod's prefix ("12.fkc"). Only digits followed by ".fkc" count: the files
// of a mod whose key merely begins like this one ("cpma_x" for "cpma") are
// someone else's.
std::optional<qint64> configurationNumber(const QString& rest) {
    qsizetype digits = 0;
    qint64 number = 0;
    while (digits < rest.size() && rest[digits].isDigit() && rest[digits].unicode() < 128) {
        number = std::min(number * 10 + (rest[digits].unicode() - '0'), kLargestNumber);
        ++digits;
    }
    if (digits == 0 || rest.mid(digits).compare(QLatin1String(".fkc"), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    return number;
}

// Header lines hold one line each: a line break in the description or the
// name would shift every line after it and spoil the file.
QString oneLine(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

} // namespace

const QString ConfigFiles::kNoLoad = QStringLiteral("NoLoad");

ConfigFiles::ConfigFiles(const LaunchContext& context) : context_(context) {}

void ConfigFiles::LoadConfigFile(const QString& path) {
    const double start = context_.clock.secondsSinceMidnight();
    const std::optional<QString> found = platform::resolvePath(path);
    if (!found || !platform::fileExists(*found))
        return;
    if (running_.contains(*found))
        return;
    std::optional<QStringList> lines = platform::readTextLines(*found);
    if (!lines)
        return;
    running_.insert(*found);
    {
        // One rebuild of the command line for the whole file, not one per
        // line; it runs earlier when something could look at it.
        const ChangeHold hold(context_.cvars);
        const qsizetype first = path.endsWith(QLatin1String("fkc")) ? kConfigurationHeaderLines : 0;
        for (qsizetype i = first; i < lines->size(); ++i)
            context_.interpreter.ExecuteLine(lines->at(i), false);
    }
    running_.remove(*found);
    context_.console.ConsolePrint(QStringLiteral("Loaded ") + path + QStringLiteral(" (") +
                                  formatSeconds(context_.clock.elapsedSince(start)) +
                                  QStringLiteral(" sec)"));
}

QString ConfigFiles::configFolder() const {
    return context_.programPath(QStringLiteral("config"));
}

QString ConfigFiles::generalFilePath() const {
    return platform::joinPath(configFolder(), gameFacts(context_.game.currentGame).prefix +
                                                  QStringLiteral("_general.cfg"));
}

QString ConfigFiles::configurationPath(const QString& modKey, int number) const {
    return platform::joinPath(configFolder(), gameFacts(context_.game.currentGame).prefix +
                                                  QLatin1Char('_') + modKey + QLatin1Char('_') +
                                                  QString::number(number) + QStringLiteral(".fkc"));
}

ConfigFiles::FoundConfiguration ConfigFiles::FindConfigurationFile(const QString& name) const {
    const QString folder = configFolder();
    const QString prefix = gameFacts(context_.game.currentGame).prefix + QLatin1Char('_') +
                           context_.game.currentModKey + QLatin1Char('_');
    qint64 largest = -1;
    for (const QString& file : platform::listFiles(folder, QStringLiteral("*.fkc"))) {
        if (!file.startsWith(prefix))
            continue;
        const std::optional<qint64> number = configurationNumber(file.mid(prefix.size()));
        if (!number)
            continue;
        const QString path = platform::joinPath(folder, file);
        const std::optional<QStringList> lines = platform::readTextLines(path);
        if (lines && lines->size() > 1 && lines->at(1) == name)
            return {path, true};
        largest = std::max(largest, *number);
    }
    return {
        platform::joinPath(folder, prefix + QString::number(largest + 1) + QStringLiteral(".fkc")),
        false};
}

QStringList ConfigFiles::linesOfScope(qint32 scope, bool withProfile) const {
    QStringList lines;
    for (const CvarRecord& record : context_.cvars.records()) {
        if (record.scope != scope && !(withProfile && record.scope == kScopeProfile))
            continue;
        if (record.kind.isEmpty()) {
            // A cvar made by a step command has no command word. Its bare
            // line (" name value") would read back as a set without a name
            // and the setting would be lost, so it is saved as a "set".
            CvarRecord asSet = record;
            asSet.kind = QStringLiteral("set");
            lines.append(cvarLine(asSet));
        } else {
            lines.append(cvarLine(record));
        }
    }
    return lines;
}

bool ConfigFiles::saveLines(const QString& path, const QStringList& lines) {
    QString error;
    if (!platform::writeTextLines(path, lines, &error)) {
        context_.console.ConsolePrint(QStringLiteral("Could not save ") + path +
                                      QStringLiteral(": ") + error);
        return false;
    }
    context_.console.ConsolePrint(QStringLiteral("Saved ") + path);
    return true;
}

bool ConfigFiles::SaveConfiguration() {
    ConsoleLog& console = context_.console;
    if (!isGameId(context_.game.currentGame)) {
        console.ConsolePrint(QStringLiteral("Nothing saved: no game is selected"));
        return false;
    }
    platform::makeFolder(configFolder());
    bool saved = true;
    const QString& key = context_.game.currentModKey;
    if (isPlainGameKey(key) || isSafeNamePart(key)) {
        const QString name = oneLine(configurationName);
        QStringList lines{oneLine(description), name};
        for (int i = 0; i < kReservedLines; ++i)
            lines.append(QStringLiteral("Reserved"));
        lines += linesOfScope(kScopeConfiguration);
        saved = saveLines(FindConfigurationFile(name).path, lines);
    } else {
        console.ConsolePrint(QStringLiteral("Configuration not saved: \"") + key +
                             QStringLiteral("\" is not a mod folder name"));
        saved = false;
    }
    // Until a player profile is chosen, the player's own settings (name,
    // model, mouse...) are kept in the general file, so nothing set is lost.
    const bool noProfile = context_.cvars.GetCvar(QStringLiteral("fenkit_player")).isEmpty();
    saved = saveLines(generalFilePath(), linesOfScope(kScopeGeneral, noProfile)) && saved;
    return saveProfile() && saved;
}

bool ConfigFiles::saveProfile() {
    const QString player = context_.cvars.GetCvar(QStringLiteral("fenkit_player"));
    if (player.isEmpty())
        return true;
    // The name becomes part of a file name in the config folder; a name that
    // could point elsewhere is refused rather than followed.
    if (!isSafeNamePart(player)) {
        context_.console.ConsolePrint(QStringLiteral("Player profile not saved: \"") + player +
                                      QStringLiteral("\" cannot be used as a file name"));
        return false;
    }
    const QString path =
        platform::joinPath(configFolder(), gameFacts(context_.game.currentGame).prefix +
                                               QLatin1Char('_') + player + QStringLiteral(".fkp"));
    return saveLines(path, linesOfScope(kScopeProfile));
}

void ConfigFiles::SelectConfiguration(const QString& name) {
    configurationName = name;
    if (marker == kNoLoad)
        return;
    const FoundConfiguration found = FindConfigurationFile(name);
    if (!found.exists)
        return;
    context_.cvars.ClearCvars();
    LoadConfigFile(generalFilePath());
    LoadConfigFile(found.path);
    marker = found.path;
}

QStringList ConfigFiles::listConfigurations(const QString& modKey) const {
    QStringList names;
    for (int number = 0; number < kListedConfigurations; ++number) {
        const std::optional<QStringList> lines =
            platform::readTextLines(configurationPath(modKey, number));
        if (lines && lines->size() > 1)
            names.append(lines->at(1));
    }
    return names;
}

std::optional<QString> ConfigFiles::modDescriptor(const QString& modKey) const {
    const std::optional<QStringList> lines = platform::readTextLines(configurationPath(modKey, 0));
    if (!lines)
        return std::nullopt;
    return lines->value(0);
}

} // namespace fennick
