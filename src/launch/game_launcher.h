#pragma once

#include "launch/launch_context.h"

#include <QString>
#include <functional>

namespace fennick {

class BotScan;
class CommandLineBuilder;
class ConfigFiles;
class MapCompileStep;

// The start button: writes the start-up script, saves the configuration and
// starts the game in its folder without waiting for it.
class GameLauncher {
public:
    GameLauncher(const LaunchContext& context, CommandLineBuilder& commandBuilder,
                 ConfigFiles& configs, BotScan& botScan, MapCompileStep& compileStep);

    // Runs first, before anything is written (tests watch the order here).
    std::function<void()> beforeLaunch;

    // The Quake III compile step runs first (MapCompileStep). A game that
    // plainly cannot start (no game chosen, executable missing or
    // not executable) is reported on the console and the status line, and
    // nothing is written. Otherwise "fenkit.cfg" is written and the settings
    // saved before the start is tried, so a start that the system still
    // refuses leaves those files as a launch writes them. True when the game
    // was started.
    bool Launch();

    // What a launch writes, without starting anything: the script file, the
    // configuration, the general file and the player profile. False when the
    // script could not be written; the settings files are saved even so.
    bool writeLaunchFiles();

    // The folder the game runs in: the game directory chosen by the game
    // switch, else the setup field of the current game.
    QString workingDirectory() const;

private:
    bool refuse(const QString& text);

    LaunchContext context_;
    CommandLineBuilder& commandBuilder_;
    ConfigFiles& configs_;
    BotScan& botScan_;
    MapCompileStep& compileStep_;
};

} // namespace fennick
