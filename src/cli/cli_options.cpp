#include "cli/cli_options.h"

#include "cli/cli_command.h"
#include "core/game_facts.h"
#include "core/launch_rules.h"
#include "core/program_folder.h"

#include <QHash>
#include <functional>

namespace fennick::cli {

namespace {

using OptionHandler = std::function<std::optional<QString>(RunOptions&, const QString& value)>;

struct RunOption {
    bool takesValue = false;
    OptionHandler apply;
};

OptionHandler flag(bool RunOptions::*member) {
    return [member](RunOptions& o, const QString&) -> std::optional<QString> {
        o.*member = true;
        return std::nullopt;
    };
}

const QHash<QString, RunOption>& runOptionTable() {
    static const QHash<QString, RunOption> table = {
        {programFolderOption(),
         {true,
          [](RunOptions& o, const QString& v) -> std::optional<QString> {
              o.programFolder = v;
              return std::nullopt;
          }}},
        {QStringLiteral("--game"),
         {true,
          [](RunOptions& o, const QString& v) -> std::optional<QString> {
              if (!isGameId(v))
                  return QStringLiteral("--game takes quake1, quake2 or quake3, not '%1'").arg(v);
              o.game = v;
              return std::nullopt;
          }}},
        {QStringLiteral("-e"),
         {true,
          [](RunOptions& o, const QString& v) -> std::optional<QString> {
              o.lines.append(v);
              return std::nullopt;
          }}},
        {QStringLiteral("--json"),
         {false,
          [](RunOptions& o, const QString&) -> std::optional<QString> {
              o.json = true;
              return std::nullopt;
          }}},
        {QStringLiteral("--mod"),
         {true,
          [](RunOptions& o, const QString& v) -> std::optional<QString> {
              // The key names a folder inside the game directory and goes
              // on the game's command line.
              if (!isSafeNamePart(v) || breaksCommandWord(v))
                  return QStringLiteral("--mod takes a mod folder name, not '%1'").arg(v);
              o.mod = v.toLower();
              return std::nullopt;
          }}},
        {QStringLiteral("--config"),
         {true,
          [](RunOptions& o, const QString& v) -> std::optional<QString> {
              o.config = v;
              return std::nullopt;
          }}},
        {QStringLiteral("--group"),
         {true,
          [](RunOptions& o, const QString& v) -> std::optional<QString> {
              o.group = v;
              return std::nullopt;
          }}},
        {QStringLiteral("--fast-info-png"),
         {true,
          [](RunOptions& o, const QString& v) -> std::optional<QString> {
              o.fastInfoPng = v;
              return std::nullopt;
          }}},
        {QStringLiteral("--preview"), {false, flag(&RunOptions::preview)}},
        {QStringLiteral("--write"), {false, flag(&RunOptions::write)}},
        {QStringLiteral("--launch"), {false, flag(&RunOptions::launch)}},
        {QStringLiteral("--stdin"), {false, flag(&RunOptions::readStdin)}},
        {QStringLiteral("--compile"),
         {true,
          [](RunOptions& o, const QString& v) -> std::optional<QString> {
              static const QStringList levels{"1", "2", "3", "4"};
              if (!levels.contains(v))
                  return QStringLiteral("--compile takes 1, 2, 3 or 4, not '%1'").arg(v);
              o.compileLevel = v.toInt();
              return std::nullopt;
          }}},
        {QStringLiteral("--aas"), {false, flag(&RunOptions::aas)}},
        {QStringLiteral("--no-compile"), {false, flag(&RunOptions::noCompile)}},
    };
    return table;
}

// The compile options only make sense together and for a launch.
std::optional<QString> checkCompileOptions(const RunOptions& o) {
    if (o.compileLevel && o.noCompile)
        return QStringLiteral("--compile and --no-compile exclude each other");
    if (o.aas && !o.compileLevel)
        return QStringLiteral("--aas goes with --compile");
    if ((o.compileLevel || o.noCompile) && !o.launch)
        return QStringLiteral("--compile and --no-compile go with --launch");
    return std::nullopt;
}

} // namespace

bool readsStandardInput(const RunOptions& options) {
    if (options.readStdin)
        return true;
    if (!options.lines.isEmpty())
        return false;
    const bool acts = options.config || options.preview || options.write || options.launch;
    return !acts || !options.inputIsTerminal;
}

const QVector<OptionSpec>& runOptionSpecs() {
    static const QVector<OptionSpec> specs = [] {
        QVector<OptionSpec> list;
        const QHash<QString, RunOption>& table = runOptionTable();
        for (auto it = table.constBegin(); it != table.constEnd(); ++it)
            list.append({it.key(), it->takesValue});
        return list;
    }();
    return specs;
}

std::variant<RunOptions, ParseError> runOptionsFrom(const ParsedOptions& given) {
    RunOptions run;
    for (const ParsedOption& option : given.options)
        if (std::optional<QString> error =
                runOptionTable().value(option.name).apply(run, option.value))
            return ParseError{*error};
    if (std::optional<QString> error = checkCompileOptions(run))
        return ParseError{*error};
    return run;
}

QString usageText() {
    return QStringLiteral("Usage: fennick-cli run [options]\n"
                          "\n"
                          "Runs Fennick's core without windows: executes console command lines\n"
                          "against the cvar store, as the console window does, and prints every\n"
                          "console line as it happens.\n"
                          "\n"
                          "Options of 'run':\n") +
           programFolderHelp(QStringLiteral("cmds.lst and config/")) +
           QStringLiteral(
               "  --game GAME           the current game: quake1, quake2 or quake3\n"
               "  --mod MOD             the mod: its folder name, the game identifier for the\n"
               "                        plain game, or the text the mod list shows for it;\n"
               "                        loads the game's general file and the mod's first\n"
               "                        configuration, as a click on the mod does\n"
               "  --config NAME         load the mod's configuration NAME (after the general\n"
               "                        file); an unknown NAME loads nothing, and the next\n"
               "                        save writes the settings loaded so far under it\n"
               "  --group NAME          choose the button group NAME after the mod and\n"
               "                        configuration (default: \"Quick Start\")\n"
               "  -e LINE               execute LINE (repeatable, in order, after --mod and\n"
               "                        --config)\n"
               "  --stdin               also read lines from standard input, after the -e lines\n"
               "  --preview             print the command line and the start-up script lines\n"
               "  --write               write fenkit.cfg and save the configuration, the general\n"
               "                        file and the player profile, without starting the game\n"
               "  --launch              write as --write does and start the game\n"
               "  --compile LEVEL       with --launch, compile a map chosen in its uncompiled\n"
               "                        form (\"map mymap.map\" with fenkit_mapfile set to its\n"
               "                        folder) first, as the compile dialog does: 1 very\n"
               "                        fast (bsp only), 2 fast (bsp, fast vis, light),\n"
               "                        3 normal (bsp, vis, light), 4 complete (bsp, vis,\n"
               "                        extra light); waits until the batch FK_Compile.bat\n"
               "                        has run, then launches the compiled map\n"
               "  --aas                 with --compile, also build the bots' .aas file (bspc)\n"
               "  --no-compile          with --launch, launch such a map without compiling it\n"
               "  --fast-info-png FILE  draw the fast-info panel into FILE (PNG), as the\n"
               "                        main window shows it\n"
               "  --json                print one JSON document at the end instead of the\n"
               "                        console lines: {\"console\": [...], \"cvars\": [...],\n"
               "                        \"enumerations\": [...], \"commandLine\": ...,\n"
               "                        \"scriptLines\": [...], \"buttons\": {...},\n"
               "                        \"fastInfo\": {...}, ...}; each cvar carries its\n"
               "                        scope, placement, kind, info, mode and the display\n"
               "                        text its enumeration gives; \"forms\" holds the\n"
               "                        custom windows \"loadform\" opened, as 'form' prints\n"
               "                        them, each with its \"file\" and its cvars' values\n"
               "  -h, --help            show this text\n"
               "\n"
               "Standard input is read, one line each, when there is no -e line, or when\n"
               "--stdin is given. When standard input is a terminal and one of --config,\n"
               "--preview, --write or --launch is given, it is not waited for, so a\n"
               "shortcut can launch a saved configuration without input:\n"
               "  fennick-cli run --game quake3 --mod cpma --config \"Duel practice\" --launch\n"
               "\n"
               "Exit status: 0 on success, 1 when the game could not be written or started,\n"
               "2 on a wrong command line.\n");
}

} // namespace fennick::cli
