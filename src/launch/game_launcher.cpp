#include "launch/game_launcher.h"

#include "archive/bot_scan.h"
#include "compile/map_compile_step.h"
#include "core/game_facts.h"
#include "launch/command_line_builder.h"
#include "launch/config_files.h"
#include "platform/process_launcher.h"

namespace fennick {

namespace {

// How long the status line holds a launch failure.
constexpr int kFailureSeconds = 3;

} // namespace

GameLauncher::GameLauncher(const LaunchContext& context, CommandLineBuilder& commandBuilder,
                           ConfigFiles& configs, BotScan& botScan, MapCompileStep& compileStep)
    : context_(context), commandBuilder_(commandBuilder), configs_(configs), botScan_(botScan),
      compileStep_(compileStep) {}

QString GameLauncher::workingDirectory() const {
    if (!context_.game.gameDirectory.isEmpty())
        return context_.game.gameDirectory;
    return context_.settings.directoryOf(context_.game.currentGame);
}

bool GameLauncher::refuse(const QString& text) {
    context_.console.ConsolePrint(text);
    context_.status.queue(text, kFailureSeconds);
    return false;
}

bool GameLauncher::writeLaunchFiles() {
    // A Quake III folder set moments ago has its bots read before they are picked.
    botScan_.ensureCurrent();
    const bool written = commandBuilder_.MakeCommandLine(true);
    configs_.SaveConfiguration();
    return written;
}

bool GameLauncher::Launch() {
    if (beforeLaunch)
        beforeLaunch();
    // Quake III: compile a chosen ".map" map and write the mod's
    // description first; the step stops the launch when the program is
    // closing during the compile or the compile could not be asked for.
    if (!compileStep_.run())
        return false;
    const QString& game = context_.game.currentGame;
    if (!isGameId(game))
        return refuse(QStringLiteral("Cannot launch: no game is selected"));

    // Check the executable before anything is written: a game that is
    // plainly missing leaves every file as it was.
    const QString& executable = context_.game.executableOf(game);
    if (std::optional<QString> why = platform::ProcessLauncher::whyNotStartable(executable))
        return refuse(QStringLiteral("Cannot launch ") + gameFacts(game).displayName +
                      QStringLiteral(": ") + *why);

    if (!writeLaunchFiles())
        return refuse(QStringLiteral("Cannot launch ") + gameFacts(game).displayName +
                      QStringLiteral(": fenkit.cfg could not be written"));

    context_.ui.yieldOnce();
    const platform::ProcessLauncher::Result started = context_.processes.startDetached(
        commandBuilder_.executable(), commandBuilder_.arguments(), workingDirectory());
    if (!started.started)
        return refuse(QStringLiteral("Cannot launch ") + gameFacts(game).displayName +
                      QStringLiteral(": ") + started.error);
    return true;
}

} // namespace fennick
