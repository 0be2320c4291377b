#pragma once

#include "launch/launch_context.h"

#include <QString>
#include <functional>

namespace fennick {

// Chooses the current game: what a click on a game icon does and what the
// start-up does at its end. A game whose folder is not valid is refused
// with a status message and the game chosen before stays current.
//
// The switch runs its steps in a fixed order: the title strip is redrawn,
// the mod list rebuilt, the general file loaded, the plain game's entry
// chosen (which loads its first configuration), the fast-info background
// shown and the command line rebuilt. Each step is a replaceable function:
// the Program plugs in the models that do them, the main window adds the
// strip's redraw. A step left empty is skipped.
class GameSwitcher {
public:
    explicit GameSwitcher(const LaunchContext& context);

    void SwitchGame(const QString& game);

    // Draws the main window's title strip (after the current game was
    // cleared, and again at the end of the switch).
    std::function<void()> redrawForm;
    // Gives the resolution selector the screen modes of the game just chosen.
    std::function<void()> showGameModes;
    // Rebuilds the mod list for the game just chosen (or none).
    std::function<void()> fillModList;
    // Loads the current game's general settings file.
    std::function<void()> loadGeneralFile;
    // Selects the plain game's entry in the mod list.
    std::function<void()> selectPlainGame;
    // Shows the current game's fast-info background, or clears the panel.
    std::function<void()> showFastInfoBackground;
    // Rebuilds the previewed command line (without writing anything).
    std::function<void()> makeCommandLine;

private:
    // Makes `game` current when its executable is known; otherwise queues
    // the game's "Directory is incorrect" message.
    void chooseIfUsable(const QString& game);
    static void run(const std::function<void()>& step);

    LaunchContext context_;
};

} // namespace fennick
