#pragma once

#include "archive/bot_list.h"
#include "archive/bot_scan.h"
#include "archive/content_source.h"
#include "archive/level_shots.h"
#include "archive/map_titles.h"
#include "browser/browser_services.h"
#include "buttons/button_groups.h"
#include "buttons/button_list.h"
#include "buttons/fast_info.h"
#include "compile/map_compile_step.h"
#include "console/catalogue.h"
#include "console/cvar_store.h"
#include "console/enum_table.h"
#include "console/interpreter.h"
#include "core/console_log.h"
#include "core/core_services.h"
#include "core/fennick_ini.h"
#include "core/game_state.h"
#include "core/launch_preview.h"
#include "core/program_settings.h"
#include "core/settling_ui.h"
#include "core/status_line.h"
#include "core/ui_host.h"
#include "customwin/form_services.h"
#include "launch/command_line_builder.h"
#include "launch/config_files.h"
#include "launch/game_launcher.h"
#include "launch/game_switcher.h"
#include "launch/launch_context.h"
#include "launch/mod_list.h"
#include "launch/mod_panel.h"
#include "launch/video_settings.h"
#include "platform/clock.h"
#include "platform/process_launcher.h"
#include "platform/random_source.h"
#include "platform/system_lookup.h"

#include <QString>
#include <memory>
#include <optional>

namespace fennick {

// What a Program is built over: its folder and its services. Missing
// services get the real ones (system clock, headless user interface,
// random seed from the system, the machine's PATH and folders).
struct ProgramEnvironment {
    QString programFolder;
    platform::Clock* clock = nullptr;
    UiHost* ui = nullptr;
    std::optional<std::uint32_t> randomSeed;
    platform::SystemLookup* system = nullptr;
};

// The program-wide state: created once in main() (or by a test over a
// temporary folder) and passed by reference. It is the one place that
// builds the rooms below it and wires them together: each model gets the
// services it uses in its constructor, and what a lower room asks of a
// higher one is a callback set here. Members are declared in the order
// they depend on each other.
class Program {
public:
    explicit Program(ProgramEnvironment environment);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program();

    // A file of the program folder; "\" in the name stands for the native
    // separator ("config\q3_general.cfg").
    QString programPath(const QString& relative) const;

    // Loads "cmds.lst" and "enums.lst" from the program folder.
    void loadCatalogue();

    // Runs every button file of the "Forms" folder (start-up).
    void LoadButtons();

    // Executes a command line with echo off, as buttons, panel clicks and
    // button files do.
    void run(const QString& line);

    // What the two browsers and the custom windows are built over.
    BrowserServices browserServices();
    FormServices formServices();

    const QString programFolder;

private:
    void wireInterpreter();
    void wireGameSwitch();

    std::unique_ptr<platform::Clock> ownClock_;
    std::unique_ptr<UiHost> ownUi_;
    std::unique_ptr<platform::SystemLookup> ownSystem_;
    // The given host, reached through a layer that brings held rebuilds up
    // to date before anything can look.
    SettlingUi settlingUi_;

public:
    platform::Clock& clock;
    UiHost& ui;
    // Engines on PATH, the home folder and which folders may be written.
    const platform::SystemLookup& system;
    platform::RandomSource random;
    platform::ProcessLauncher processes;
    ConsoleLog console;
    GameState game;
    // "fennick.ini": the settings "config.cfg" has no room for (engines).
    FennickIni ini{programPath(QStringLiteral("fennick.ini"))};
    ProgramSettings settings{game, ini, system};
    StatusLine status;
    LaunchPreview preview;
    // The services above, as the subsystems take them.
    CoreServices core{programFolder, clock, ui,  system,   random, processes,
                      console,       game,  ini, settings, status, preview};

    Catalogue catalogue;
    EnumTable enums;
    CvarStore cvars;
    Interpreter interpreter{core, cvars};
    LaunchContext launchContext{core, cvars, interpreter};
    ConfigFiles configs{launchContext};

    // The main window's quick-action buttons: every line of the button
    // files, and the group selector with its four buttons and overflow list.
    ButtonList buttons;
    ButtonGroups buttonGroups;

    // Game content read from the Quake III archives through the "temp"
    // folder: the bot list the launch picks from and its scan (LoadBots),
    // the map titles with their cache and the level shots.
    BotList BotNames;
    ContentSource content{settings, game, console, ui, clock, programPath(QStringLiteral("temp"))};
    // The bot list follows the Quake III folder: read at start-up and again
    // when the folder changes; each read rebuilds the launch preview.
    BotScan botScan{content, BotNames, [this] { commandBuilder.MakeCommandLine(false); }};
    MapTitles mapTitles{content};
    LevelShots levelShots{content};

    // The launch: the fast-info panel it fills, the command-line rebuild
    // (run after every SetCvar), the start button's Quake III step (the
    // compile of a ".map" map and the mod's "description.txt") and the
    // start button itself, and the game switch.
    FastInfo fastInfo;
    CommandLineBuilder commandBuilder{launchContext, BotNames, fastInfo};
    MapCompileStep compileStep{core, cvars, [this] { return panel.description(); }};
    GameLauncher launcher{launchContext, commandBuilder, configs, botScan, compileStep};
    GameSwitcher switcher{launchContext};

    // The models of the main window's panel: the resolution selector with
    // the renderer picture (the interpreter's video hook), the mod list and
    // the chosen mod.
    VideoSettings video{launchContext};
    ModList mods{launchContext};
    // What the panel shows for the chosen mod: its description, the
    // configuration combo, its documents and icon.
    ModPanel panel{launchContext, configs, mods, commandBuilder, video};
};

} // namespace fennick
