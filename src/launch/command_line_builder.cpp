#include "launch/command_line_builder.h"

#include "app/program.h"
#include "common/game_ids.h"
#include "common/number_text.h"
#include "launch/launch_rules.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

#include <QScopeGuard>
#include <cmath>

namespace fennick {

namespace {

const QString kBots = QStringLiteral("fenkit_bots");
const QString kRedBots = QStringLiteral("fenkit_redbots");
const QString kBlueBots = QStringLiteral("fenkit_bluebots");
const QString kMapKind = QStringLiteral("map");

// More bots than a Quake III server has client slots make no sense, and a
// stray huge value must not stall the rebuild.
constexpr int kMaxBotsPerRecord = 64;

int botCount(const QString& value) {
    const double wanted = leadingNumber(value);
    if (!(wanted >= 1.0))
        return 0;
    return int(std::min(std::floor(wanted), double(kMaxBotsPerRecord)));
}

bool isBotRecord(const QString& name) {
    return name == kBots || name == kRedBots || name == kBlueBots;
}

} // namespace

// What one rebuild collects before it is published.
struct CommandLineBuilder::Build {
    QString game;
    bool hasGame = false;
    double mp = 0.0;
    QString mark;
    QString botEnable;
    QString skill;
    QString text;
    QStringList arguments;
    QStringList lines;
};

CommandLineBuilder::CommandLineBuilder(Program& program) : program_(program) {}

bool CommandLineBuilder::ModeMatches(qint16 mask) const {
    return modeMatches(mask, leadingNumber(program_.cvars.GetCvar(QStringLiteral("fenkit_mp"))));
}

bool CommandLineBuilder::MakeCommandLine(bool write) {
    // The bot defaults below go through SetCvar, which asks for a rebuild of
    // its own; the rebuild already running gives the answer.
    if (building_)
        return true;
    building_ = true;
    const auto done = qScopeGuard([this] { building_ = false; });

    const double start = program_.clock.secondsSinceMidnight();
    program_.fastInfo.clear();
    CvarStore& cvars = program_.cvars;

    Build build;
    build.game = program_.game.currentGame;
    build.hasGame = isGameId(build.game);
    build.mp = leadingNumber(cvars.GetCvar(QStringLiteral("fenkit_mp")));
    build.mark = commandMarkOf(build.game);
    applyBotDefaults(build);
    build.botEnable = cvars.GetCvar(QStringLiteral("bot_enable"));
    build.skill = cvars.GetCvar(QStringLiteral("sp_skill"));

    const GameState& game = program_.game;
    const QString executable = build.game == kQuake1   ? game.quakeExe
                               : build.game == kQuake2 ? game.quake2Exe
                               : build.game == kQuake3 ? game.quake3Exe
                                                       : QString();
    build.text = executable;
    build.arguments = modArgumentsOf(build.game, game.currentModKey);
    if (!build.arguments.isEmpty())
        build.text += QLatin1Char(' ') + build.arguments.join(QLatin1Char(' '));

    cvars.clearExtraCommands();
    build.lines.reserve(cvars.size() + 8);
    if (lineCache_.size() != cvars.size())
        lineCache_.resize(cvars.size());
    firstPass(build);
    scriptPass(build, kPlacementBeforeMap);
    extraPass(build, kPlacementBeforeMap);
    mapPass(build);
    scriptPass(build, kPlacementAfterMap);
    extraPass(build, kPlacementAfterMap);
    program_.fastInfo.redraw();

    QString scriptPath;
    if (build.hasGame) {
        build.text += QLatin1Char(' ') + build.mark + QStringLiteral("exec fenkit.cfg");
        build.arguments << build.mark + QStringLiteral("exec") << QStringLiteral("fenkit.cfg");
        scriptPath = scriptPathFor(build.game);
    }
    const bool written = !write || writeScript(scriptPath, build.lines);

    LaunchPreview& preview = program_.preview;
    // Without a game there is no command line to show: the last one stays.
    if (build.hasGame)
        preview.commandLine = build.text;
    executable_ = build.hasGame ? executable : QString();
    arguments_ = build.hasGame ? build.arguments : QStringList();
    preview.scriptLines = std::move(build.lines);
    preview.scriptPath = scriptPath;
    preview.makeTimeText = QStringLiteral("mc : ") +
                           formatSeconds(program_.clock.elapsedSince(start)) +
                           QStringLiteral(" seconds");
    preview.notifyChanged();
    return written;
}

void CommandLineBuilder::applyBotDefaults(const Build& build) {
    // Quake III bots need a skill and the bot switch. These temporary
    // defaults are set before the passes, so the passes see a store that no
    // longer changes under them.
    if (build.game != kQuake3)
        return;
    bool wanted = false;
    for (const CvarRecord& record : program_.cvars.records()) {
        if (isOwnRecord(record.name) && modeMatches(record.mode, build.mp)) {
            wanted = true;
            break;
        }
    }
    if (!wanted)
        return;
    CvarStore& cvars = program_.cvars;
    if (cvars.GetCvar(QStringLiteral("sp_skill")).isEmpty())
        cvars.SetCvar(QStringLiteral("sp_skill"), QStringLiteral("3"), kScopeTemporary, 0,
                      QStringLiteral("set"));
    if (cvars.GetCvar(QStringLiteral("bot_enable")).isEmpty())
        cvars.SetCvar(QStringLiteral("bot_enable"), QStringLiteral("1"), kScopeTemporary, 0,
                      QStringLiteral("set"));
}

void CommandLineBuilder::firstPass(Build& build) {
    const bool quake3 = build.game == kQuake3;
    for (const CvarRecord& record : program_.cvars.records()) {
        if (quake3 && isBotRecord(record.name) && modeMatches(record.mode, build.mp)) {
            addBots(build, record);
            if (!record.info.isEmpty())
                program_.fastInfo.addEntry(record);
        }
        if (record.placement == kPlacementCommandLine)
            addToCommandLine(build, record);
    }
}

void CommandLineBuilder::addBots(Build& build, const CvarRecord& record) {
    const BotList& bots = program_.BotNames;
    if (build.botEnable != QLatin1String("1") || bots.isEmpty())
        return;
    const int count = botCount(record.value);
    for (int i = 0; i < count; ++i) {
        const QString bot = bots.at(program_.random.pick(1, bots.count()));
        if (record.name == kBots) {
            program_.cvars.AddExtraCommand(QStringLiteral("addbot ") + bot + QLatin1Char(' ') +
                                               build.skill,
                                           QString(), kScopeTemporary);
        } else {
            const QString team =
                record.name == kRedBots ? QStringLiteral(" red") : QStringLiteral(" blue");
            program_.cvars.AddExtraCommand(QStringLiteral("addbot"),
                                           bot + QLatin1Char(' ') + build.skill + team,
                                           kScopeTemporary);
        }
    }
}

void CommandLineBuilder::addToCommandLine(Build& build, const CvarRecord& record) {
    const QString word = build.mark + record.kind;
    build.text += QLatin1Char(' ') + word + QLatin1Char(' ') + record.name + QLatin1Char(' ') +
                  quotedValue(record.value);
    build.arguments << word << record.name << record.value;
}

void CommandLineBuilder::scriptPass(Build& build, qint32 placement) {
    const QVector<CvarRecord>& records = program_.cvars.records();
    for (qsizetype i = 0; i < records.size(); ++i) {
        const CvarRecord& record = records[i];
        if (record.placement != placement || record.kind == kMapKind || isOwnRecord(record.name) ||
            !modeMatches(record.mode, build.mp))
            continue;
        build.lines.append(cachedLine(i, record));
        if (!record.info.isEmpty())
            program_.fastInfo.addEntry(record);
    }
}

void CommandLineBuilder::extraPass(Build& build, qint32 placement) {
    for (const CvarRecord& entry : program_.cvars.extraCommands()) {
        if (entry.placement != placement || entry.kind == kMapKind || isOwnRecord(entry.name) ||
            !modeMatches(entry.mode, build.mp))
            continue;
        build.lines.append(entry.name + QLatin1Char(' ') + entry.value);
    }
}

void CommandLineBuilder::mapPass(Build& build) {
    for (const CvarRecord& record : program_.cvars.records()) {
        if (record.kind != kMapKind || isOwnRecord(record.name) ||
            !modeMatches(record.mode, build.mp))
            continue;
        build.lines.append(record.name + QLatin1Char(' ') + record.value);
        if (!record.info.isEmpty())
            program_.fastInfo.addEntry(record);
    }
}

const QString& CommandLineBuilder::cachedLine(qsizetype index, const CvarRecord& record) {
    CachedLine& cached = lineCache_[index];
    if (cached.line.isNull() || cached.value != record.value || cached.name != record.name ||
        cached.kind != record.kind) {
        cached.kind = record.kind;
        cached.name = record.name;
        cached.value = record.value;
        cached.line = cvarLine(record);
    }
    return cached.line;
}

QString CommandLineBuilder::scriptPathFor(const QString& game) const {
    const QString directory = program_.settings.directoryOf(game);
    if (directory.isEmpty())
        return {};
    const QString& key = program_.game.currentModKey;
    const QString folder = isPlainGameKey(key) ? baseFolderOf(game) : key;
    return platform::joinPath(platform::joinPath(directory, folder), QStringLiteral("fenkit.cfg"));
}

bool CommandLineBuilder::writeScript(const QString& path, const QStringList& lines) {
    ConsoleLog& console = program_.console;
    const QString& key = program_.game.currentModKey;
    QString refusal;
    if (!isGameId(program_.game.currentGame))
        refusal = QStringLiteral("no game is selected");
    else if (path.isEmpty())
        refusal = QStringLiteral("the game directory is not set");
    else if (!isPlainGameKey(key) && !isSafeNamePart(key))
        refusal = QStringLiteral("\"") + key + QStringLiteral("\" is not a mod folder name");
    if (!refusal.isEmpty()) {
        console.ConsolePrint(QStringLiteral("fenkit.cfg not written: ") + refusal);
        return false;
    }
    QString error;
    if (!platform::writeTextLines(path, lines, &error)) {
        console.ConsolePrint(QStringLiteral("Could not write ") + path + QStringLiteral(": ") +
                             error);
        return false;
    }
    return true;
}

} // namespace fennick
