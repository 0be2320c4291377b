#include "launch/game_switcher.h"

#include "core/game_facts.h"

namespace fennick {

namespace {

// Seconds the "Directory is incorrect" message stays in the status line,
// and the longer time for one that also says what is missing.
constexpr int kRefusalSeconds = 1;
constexpr int kReasonSeconds = 4;

} // namespace

GameSwitcher::GameSwitcher(const LaunchContext& context) : context_(context) {}

void GameSwitcher::run(const std::function<void()>& step) {
    if (step)
        step();
}

void GameSwitcher::chooseIfUsable(const QString& game) {
    const GameFacts& facts = gameFacts(game);
    if (facts.slot < 0)
        return;
    GameState& state = context_.game;
    if (!state.executableOf(game).isEmpty()) {
        state.currentGame = game;
        state.gameDirectory = context_.settings.directoryOf(game);
    } else {
        // A folder with the game's data but no engine to start it says
        // what is missing (the setup dialog's tooltip has the details);
        // the Windows layout keeps its short message.
        const GameInstall& install = context_.settings.installOf(game);
        const QString refusal = facts.shortName + QStringLiteral(" Directory is incorrect");
        if (install.dataFound)
            context_.status.queue(refusal + QStringLiteral(": no engine for its ") +
                                      install.dataFolder + QStringLiteral(" folder"),
                                  kReasonSeconds);
        else
            context_.status.queue(refusal, kRefusalSeconds);
    }
}

void GameSwitcher::SwitchGame(const QString& game) {
    GameState& state = context_.game;
    const QString previous = state.currentGame;
    state.currentGame.clear();
    run(redrawForm);

    chooseIfUsable(game);
    // A refused game leaves the one chosen before; its mod list is rebuilt
    // for it rather than left empty under a selected game.
    if (state.currentGame.isEmpty())
        state.currentGame = previous;
    run(showGameModes);
    run(fillModList);

    run(loadGeneralFile);
    run(selectPlainGame);
    run(showFastInfoBackground);
    run(makeCommandLine);
    run(redrawForm);
}

} // namespace fennick
