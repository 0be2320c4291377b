#pragma once

#include "archive/bot_list.h"
#include "archive/bot_scan.h"
#include "archive/content_source.h"
#include "archive/level_shots.h"
#include "archive/map_titles.h"
#include "buttons/button_groups.h"
#include "buttons/button_list.h"
#include "buttons/fast_info.h"
#include "compile/map_compile_step.h"
#include "console/catalogue.h"
#include "console/cvar_store.h"
#include "console/enum_table.h"
#include "console/interpreter.h"
#include "core/console_log.h"
#include "core/fennick_ini.h"
#include "core/game_state.h"
#include "core/launch_preview.h"
#include "core/program_settings.h"
#include "core/settling_ui.h"
#include "core/status_line.h"
#include "core/ui_host.h"
#include "launch/command_line_builder.h"
#include "launch/config_files.h"
#include "launch/game_launcher.h"
#include "launch/game_switcher.h"
#include "launch/mod_list.h"
#include "launch/mod_panel.h"
#include "launch/video_settings.h"
#include "platform/clock.h"
#include "platform/process_launcher.h"
#include "platform/random_source.h"
#include "platform/system_lookup.h"

#include <QImage>
#include <QString>
#include <functional>
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
// temporary folder) and passed by reference. Members are declared in the
// order they depend on each other.
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

    // A map's title for the windows (the fast-info panel's "%m", the
    // browser's info panel). The answer for the last map asked is kept for
    // the current game and mod: the panel asks on every cvar change, and a
    // map with no title would otherwise be searched for in every archive
    // each time.
    QString mapTitle(const QString& map);

    // Executes a command line with echo off, as buttons, panel clicks and
    // button files do.
    void run(const QString& line);

    const QString programFolder;

private:
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
    ConsoleLog console;
    GameState game;
    // "fennick.ini": the settings "config.cfg" has no room for (engines).
    FennickIni ini{programPath(QStringLiteral("fennick.ini"))};
    ProgramSettings settings{game, ini, system};
    StatusLine status;
    LaunchPreview preview;
    Catalogue catalogue;
    EnumTable enums;
    CvarStore cvars;
    Interpreter interpreter;
    ConfigFiles configs;

    // The main window's quick-action buttons: every line of the button
    // files, and the group selector with its four buttons and overflow list.
    ButtonList buttons;
    ButtonGroups buttonGroups;

private:
    struct TitleMemo {
        QString key;
        QString title;
    };
    TitleMemo lastTitle_;

public:
    // The launch: the bot list it picks from, the fast-info panel it
    // fills, the command-line rebuild (run after every SetCvar) and the
    // start button with the process start behind it.
    BotList BotNames;
    FastInfo fastInfo;
    platform::ProcessLauncher processes;
    CommandLineBuilder commandBuilder{*this};
    GameLauncher launcher{*this};
    GameSwitcher switcher{*this};

    // The video settings hook: called after a video cvar is set through the
    // interpreter (name, value). Empty until the video settings plug in.
    std::function<void(const QString&, const QString&)> videoHook;

    // The models of the main window's panel: the resolution selector with
    // the renderer picture (installed as the video hook), the mod list and
    // the chosen mod.
    VideoSettings video{*this};
    ModList mods{*this};
    // What the panel shows for the chosen mod: its description, the
    // configuration combo, its documents and icon.
    ModPanel panel{*this};
    // The start button's Quake III step before the launch: the compile of
    // a ".map" map and the mod's "description.txt".
    MapCompileStep compileStep{*this};

    // Game content read from the Quake III archives through the "temp"
    // folder: the bot scan (LoadBots), the map titles with
    // their cache and the level shots.
    ContentSource content{settings, game, console, ui, clock, programPath(QStringLiteral("temp"))};
    // The bot list follows the Quake III folder: read at start-up and again
    // when the folder changes; each read rebuilds the launch preview.
    BotScan botScan{content, BotNames, [this] { commandBuilder.MakeCommandLine(false); }};
    MapTitles mapTitles{content};
    LevelShots levelShots{content};
};

} // namespace fennick
