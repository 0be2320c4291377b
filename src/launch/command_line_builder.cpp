#include "launch/command_line_builder.h"

#include "archive/bot_list.h"
#include "buttons/fast_info.h"
#include "common/number_text.h"
#include "core/game_facts.h"
#include "core/launch_rules.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

#include <QScopeGuard>
#include <cmath>

namespace fennick {

namespace {

const QString kBots = QStringLiteral("fenkit_bots");
const QString kRedBots = QStringLiteral("fenkit_redbots");
const QString kBlueBots = QStringLiteral("fenkit_bluebots");

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

bool isMapKind(const QString& kind) {
    return kind.size() == 3 && kind[0] == QLatin1Char('m') && kind[1] == QLatin1Char('a') &&
           kind[2] == QLatin1Char('p');
}

// The cache holds a copy of each text it saw; a record whose text was not
// changed still shares that copy's data, which settles most checks without
// comparing characters.
bool sameText(const QString& cached, const QString& current) {
    if (cached.constData() == current.constData() && cached.size() == current.size())
        return true;
    return cached == current;
}

// An argument as the command-line text shows it: in double quotes when the
// engine will quote it, that is when it holds a space after its first
// character (an argument quoted already stays as it is).
QString shownWord(const QString& argument) {
    return argument.startsWith(QLatin1Char('"')) ? argument : quotedValue(argument);
}

} // namespace

// What one rebuild collects before it is published. The script is sorted
// into its three parts in one walk over the store; each part keeps store
// order, so the result is the same as one pass per part.
struct CommandLineBuilder::Build {
    QString game;
    bool hasGame = false;
    bool quake3 = false;
    double mp = 0.0;
    QString mark;
    QString executable;
    QString botEnable;
    QString skill;
    QString text;
    QStringList arguments;
    // Store slots of the script lines before and after the map line; their
    // texts are in the line cache.
    QVector<qsizetype> beforeMap;
    QStringList mapLines;
    QVector<qsizetype> afterMap;
    // Store slots of the records that show in the fast-info panel, in the
    // order the panel gets them: bot records, then the script's three parts.
    QVector<qsizetype> botInfo;
    QVector<qsizetype> beforeInfo;
    QVector<qsizetype> mapInfo;
    QVector<qsizetype> afterInfo;
};

CommandLineBuilder::CommandLineBuilder(const LaunchContext& context, BotList& bots,
                                       FastInfo& fastInfo)
    : context_(context), bots_(bots), fastInfo_(fastInfo) {}

bool CommandLineBuilder::ModeMatches(qint16 mask) const {
    return modeMatches(mask, leadingNumber(context_.cvars.GetCvar(QStringLiteral("fenkit_mp"))));
}

bool CommandLineBuilder::MakeCommandLine(bool write) {
    // The bot defaults below go through SetCvar, which asks for a rebuild of
    // its own; the rebuild already running gives the answer.
    if (building_)
        return true;
    building_ = true;
    const auto done = qScopeGuard([this] { building_ = false; });

    const double start = context_.clock.secondsSinceMidnight();
    fastInfo_.ClearFastInfo();
    Build build = startBuild();
    context_.cvars.clearExtraCommands();
    sortRecords(build);
    QStringList lines = assembleScript(build);
    addFastInfo(build);
    fastInfo_.RedrawFastInfo(true);

    ScriptLocation location;
    if (build.hasGame) {
        build.text += QLatin1Char(' ') + build.mark + QStringLiteral("exec fenkit.cfg");
        build.arguments << build.mark + QStringLiteral("exec") << QStringLiteral("fenkit.cfg");
        location = scriptLocationFor(build.game, write);
    }
    const bool written = !write || writeScript(location, lines);
    publish(build, std::move(lines), location, write && written, start);
    return written;
}

CommandLineBuilder::Build CommandLineBuilder::startBuild() {
    CvarStore& cvars = context_.cvars;
    const GameState& game = context_.game;
    Build build;
    build.game = game.currentGame;
    build.hasGame = isGameId(build.game);
    build.quake3 = build.game == kQuake3;
    build.mp = leadingNumber(cvars.GetCvar(QStringLiteral("fenkit_mp")));
    build.mark = commandMarkOf(build.game);
    applyBotDefaults(build);
    build.botEnable = cvars.GetCvar(QStringLiteral("bot_enable"));
    build.skill = cvars.GetCvar(QStringLiteral("sp_skill"));

    build.executable = game.executableOf(build.game);
    build.text = build.executable;
    build.arguments = modArgumentsOf(build.game, commandLineWord(game.currentModKey));
    for (const QString& argument : std::as_const(build.arguments))
        build.text += QLatin1Char(' ') + shownWord(argument);
    return build;
}

void CommandLineBuilder::publish(const Build& build, QStringList lines,
                                 const ScriptLocation& location, bool written, double start) {
    LaunchPreview& preview = context_.preview;
    // Without a game there is no command line to show: the last one stays.
    if (build.hasGame)
        preview.commandLine = build.text;
    executable_ = build.hasGame ? build.executable : QString();
    arguments_ = build.hasGame ? build.arguments : QStringList();
    preview.scriptLines = std::move(lines);
    preview.scriptPath = location.path;
    preview.scriptNote = location.note;
    preview.scriptWritten = written;
    preview.makeTimeText = QStringLiteral("mc : ") +
                           formatSeconds(context_.clock.elapsedSince(start)) +
                           QStringLiteral(" seconds");
    preview.notifyChanged();
}

void CommandLineBuilder::applyBotDefaults(const Build& build) {
    // Quake III bots need a skill and the bot switch. These temporary
    // defaults are set before the passes, so the passes see a store that no
    // longer changes under them.
    if (!build.quake3)
        return;
    bool wanted = false;
    for (const CvarRecord& record : context_.cvars.records()) {
        if (isOwnRecord(record.name) && modeMatches(record.mode, build.mp)) {
            wanted = true;
            break;
        }
    }
    if (!wanted)
        return;
    CvarStore& cvars = context_.cvars;
    if (cvars.GetCvar(QStringLiteral("sp_skill")).isEmpty())
        cvars.SetCvar(QStringLiteral("sp_skill"), QStringLiteral("3"), kScopeTemporary, 0,
                      QStringLiteral("set"));
    if (cvars.GetCvar(QStringLiteral("bot_enable")).isEmpty())
        cvars.SetCvar(QStringLiteral("bot_enable"), QStringLiteral("1"), kScopeTemporary, 0,
                      QStringLiteral("set"));
}

void CommandLineBuilder::sortRecords(Build& build) {
    const QVector<CvarRecord>& records = context_.cvars.records();
    if (lineCache_.size() != records.size())
        lineCache_.resize(records.size());
    build.beforeMap.reserve(records.size());
    build.afterMap.reserve(records.size());
    for (qsizetype i = 0; i < records.size(); ++i) {
        const CvarRecord& record = records[i];
        // The command line takes every record placed there, whatever its
        // name, kind or mode.
        if (record.placement == kPlacementCommandLine)
            addToCommandLine(build, record);
        if (!modeMatches(record.mode, build.mp))
            continue;
        // A record on the command line adds no fast-info line: the panel
        // shows the bots, the script's lines and the map.
        const bool hasInfo = !record.info.isEmpty();
        if (isOwnRecord(record.name)) {
            // The program's own records never go into the script; the bot
            // counts among them add their bots instead.
            if (build.quake3 && isBotRecord(record.name)) {
                addBots(build, record);
                if (hasInfo)
                    build.botInfo.append(i);
            }
        } else if (isMapKind(record.kind)) {
            build.mapLines.append(record.name + QLatin1Char(' ') + scriptWord(record.value));
            if (hasInfo)
                build.mapInfo.append(i);
        } else if (record.placement == kPlacementBeforeMap) {
            refreshLine(i, record);
            build.beforeMap.append(i);
            if (hasInfo)
                build.beforeInfo.append(i);
        } else if (record.placement == kPlacementAfterMap) {
            refreshLine(i, record);
            build.afterMap.append(i);
            if (hasInfo)
                build.afterInfo.append(i);
        }
    }
}

QStringList CommandLineBuilder::assembleScript(const Build& build) const {
    // The cached line of a record, without its command word where the game
    // sets cvars by name.
    const auto scriptLine = [&](qsizetype slot) {
        const QString& line = lineCache_[slot].line;
        const QString& kind = context_.cvars.records()[slot].kind;
        return setsByName(build.game, kind) ? line.mid(kind.size() + 1) : line;
    };
    QStringList lines;
    lines.reserve(build.beforeMap.size() + build.mapLines.size() + build.afterMap.size() +
                  context_.cvars.extraCommands().size());
    for (qsizetype slot : build.beforeMap)
        lines.append(scriptLine(slot));
    appendExtraCommands(build, kPlacementBeforeMap, lines);
    lines += build.mapLines;
    for (qsizetype slot : build.afterMap)
        lines.append(scriptLine(slot));
    // The bots land here, after the map line, where the game accepts them.
    appendExtraCommands(build, kPlacementAfterMap, lines);
    return lines;
}

void CommandLineBuilder::appendExtraCommands(const Build& build, qint32 placement,
                                             QStringList& lines) const {
    for (const CvarRecord& entry : context_.cvars.extraCommands()) {
        if (entry.placement != placement || isMapKind(entry.kind) || isOwnRecord(entry.name) ||
            !modeMatches(entry.mode, build.mp))
            continue;
        lines.append(entry.name + QLatin1Char(' ') + entry.value);
    }
}

void CommandLineBuilder::addFastInfo(const Build& build) {
    const QVector<CvarRecord>& records = context_.cvars.records();
    for (const QVector<qsizetype>* part :
         {&build.botInfo, &build.beforeInfo, &build.mapInfo, &build.afterInfo}) {
        for (qsizetype slot : *part)
            fastInfo_.AddFastInfoFromCvar(records[slot]);
    }
}

void CommandLineBuilder::addBots(Build& build, const CvarRecord& record) {
    const BotList& bots = bots_;
    if (build.botEnable != QLatin1String("1") || bots.isEmpty())
        return;
    const int count = botCount(record.value);
    for (int i = 0; i < count; ++i) {
        const QString bot = bots.at(context_.random.pick(1, bots.count()));
        if (record.name == kBots) {
            context_.cvars.AddExtraCommand(QStringLiteral("addbot ") + bot + QLatin1Char(' ') +
                                               build.skill,
                                           QString(), kScopeTemporary);
        } else {
            const QString team =
                record.name == kRedBots ? QStringLiteral(" red") : QStringLiteral(" blue");
            context_.cvars.AddExtraCommand(QStringLiteral("addbot"),
                                           bot + QLatin1Char(' ') + build.skill + team,
                                           kScopeTemporary);
        }
    }
}

void CommandLineBuilder::addToCommandLine(Build& build, const CvarRecord& record) {
    const QString value = commandLineWord(record.value);
    if (setsByName(build.game, record.kind)) {
        const QString word = build.mark + record.name;
        build.text += QLatin1Char(' ') + word + QLatin1Char(' ') + shownWord(value);
        build.arguments << word << value;
        return;
    }
    const QString word = build.mark + record.kind;
    build.text += QLatin1Char(' ') + word + QLatin1Char(' ') + record.name + QLatin1Char(' ') +
                  shownWord(value);
    build.arguments << word << record.name << value;
}

void CommandLineBuilder::refreshLine(qsizetype index, const CvarRecord& record) {
    CachedLine& cached = lineCache_[index];
    if (cached.line.isNull() || !sameText(cached.value, record.value) ||
        !sameText(cached.name, record.name) || !sameText(cached.kind, record.kind)) {
        cached.kind = record.kind;
        cached.name = record.name;
        cached.value = record.value;
        // A value never ends the script's line or starts a command of its own.
        cached.line = record.kind + QLatin1Char(' ') + record.name + QLatin1Char(' ') +
                      scriptWord(record.value);
    }
}

QString CommandLineBuilder::scriptFolderOf(const QString& game) const {
    const QString& key = context_.game.currentModKey;
    return isPlainGameKey(key) ? baseDataFolder(game, context_.settings.directoryOf(game)) : key;
}

ScriptLocation CommandLineBuilder::scriptLocationFor(const QString& game, bool fresh) {
    const QString directory = context_.settings.directoryOf(game);
    const GameInstall& install = context_.settings.installOf(game);
    const QString inputs = QStringList{game, directory, context_.game.currentModKey,
                                       install.executable, install.homeFolder}
                               .join(QChar(0));
    if (!fresh && locationCache_.inputs == inputs)
        return locationCache_.location;
    locationCache_ = {inputs,
                      locateScript(install, directory, scriptFolderOf(game), context_.system)};
    // A write may create folders or find the game folder read-only after
    // all; the next rebuild looks again.
    if (fresh)
        locationCache_.inputs.clear();
    return locationCache_.location;
}

bool CommandLineBuilder::writeScriptFile(const ScriptLocation& location, const QStringList& lines,
                                         QString* error) const {
    // The engine's per-user folder may not exist before its first start.
    if (location.perUser && !platform::makeFolder(platform::parentFolderOf(location.path), error))
        return false;
    return platform::writeTextLines(location.path, lines, error);
}

// A game folder that refused the file after all: a native engine also
// reads the script from its per-user folder.
bool CommandLineBuilder::writeToPerUserFolder(ScriptLocation& location, const QStringList& lines) {
    if (location.perUser)
        return false;
    const QString& game = context_.game.currentGame;
    const ScriptLocation perUser =
        perUserLocation(context_.settings.installOf(game), context_.settings.directoryOf(game),
                        scriptFolderOf(game));
    if (perUser.path.isEmpty() || !writeScriptFile(perUser, lines, nullptr))
        return false;
    location = perUser;
    return true;
}

bool CommandLineBuilder::writeScript(ScriptLocation& location, const QStringList& lines) {
    ConsoleLog& console = context_.console;
    const QString& game = context_.game.currentGame;
    const QString& key = context_.game.currentModKey;
    QString refusal;
    if (!isGameId(game))
        refusal = QStringLiteral("no game is selected");
    else if (location.path.isEmpty())
        refusal = QStringLiteral("the game directory is not set");
    else if (!isPlainGameKey(key) && (!isSafeNamePart(key) || breaksCommandWord(key)))
        refusal = QStringLiteral("\"") + key + QStringLiteral("\" is not a mod folder name");
    if (!refusal.isEmpty()) {
        console.ConsolePrint(QStringLiteral("fenkit.cfg not written: ") + refusal);
        return false;
    }
    QString error;
    if (!writeScriptFile(location, lines, &error) && !writeToPerUserFolder(location, lines)) {
        const GameInstall& install = context_.settings.installOf(game);
        const QString hint = install.native() && install.homeFolder.isEmpty()
                                 ? QStringLiteral(" (the per-user folder of this engine is not "
                                                  "known: set it under [homes] in fennick.ini)")
                                 : QString();
        console.ConsolePrint(QStringLiteral("Could not write ") + location.path +
                             QStringLiteral(": ") + error + hint);
        return false;
    }
    if (location.perUser)
        console.ConsolePrint(
            QStringLiteral("fenkit.cfg written to the engine's per-user folder: ") + location.path);
    return true;
}

} // namespace fennick
