#include "launch/game_launcher.h"

#include "app/program.h"
#include "core/game_facts.h"
#include "platform/process_launcher.h"

namespace fennick {

namespace {

// How long the status line holds a launch failure.
constexpr int kFailureSeconds = 3;

} // namespace

GameLauncher::GameLauncher(Program& program) : program_(program) {}

QString GameLauncher::workingDirectory() const {
    if (!program_.game.gameDirectory.isEmpty())
        return program_.game.gameDirectory;
    return program_.settings.directoryOf(program_.game.currentGame);
}

bool GameLauncher::refuse(const QString& text) {
    program_.console.ConsolePrint(text);
    program_.status.queue(text, kFailureSeconds);
    return false;
}

bool GameLauncher::writeLaunchFiles() {
    // A Quake III folder set moments ago has its bots read before they are picked.
    program_.botScan.ensureCurrent();
    const bool written = program_.commandBuilder.MakeCommandLine(true);
    program_.configs.SaveConfiguration();
    return written;
}

bool GameLauncher::Launch() {
    if (beforeLaunch)
        beforeLaunch();
    // Quake III: compile a chosen ".map" map and write the mod's
    // description first; the step stops the launch when the program is
    // closing during the compile or the compile could not be asked for.
    if (!program_.compileStep.run())
        return false;
    const QString& game = program_.game.currentGame;
    if (!isGameId(game))
        return refuse(QStringLiteral("Cannot launch: no game is selected"));

    // Check the executable before anything is written: a game that is
    // plainly missing leaves every file as it was.
    const QString& executable = program_.game.executableOf(game);
    if (std::optional<QString> why = platform::ProcessLauncher::whyNotStartable(executable))
        return refuse(QStringLiteral("Cannot launch ") + gameFacts(game).displayName +
                      QStringLiteral(": ") + *why);

    if (!writeLaunchFiles())
        return refuse(QStringLiteral("Cannot launch ") + gameFacts(game).displayName +
                      QStringLiteral(": fenkit.cfg could not be written"));

    program_.ui.yieldOnce();
    const platform::ProcessLauncher::Result started =
        program_.processes.startDetached(program_.commandBuilder.executable(),
                                         program_.commandBuilder.arguments(), workingDirectory());
    if (!started.started)
        return refuse(QStringLiteral("Cannot launch ") + gameFacts(game).displayName +
                      QStringLiteral(": ") + started.error);
    return true;
}

} // namespace fennick
