#include "cli/cli_session.h"

#include "app/startup.h"
#include "core/program_folder.h"

namespace fennick::cli {

CliSession::CliSession(const QString& programFolder, QTextStream* echo)
    : ui_([echo](const QString& report) {
          if (echo) {
              *echo << "[ui] " << report << '\n';
              echo->flush();
          }
      }) {
    const ProgramFolderChoice folder = resolveProgramFolder(programFolderPlaces(programFolder));
    if (!folder.ok())
        throw ProgramFolderUnavailable{folder.error};
    ProgramEnvironment environment;
    environment.programFolder = folder.folder;
    environment.ui = &ui_;
    program_ = std::make_unique<Program>(environment);
    forms_ = std::make_unique<HeadlessForms>(program_->formServices());
    ui_.attach(*forms_);
    // Without a window nobody watches buttons appear one by one.
    program_->buttonGroups.setPace(ButtonGroups::Pace::Immediate);
    if (echo) {
        QObject::connect(&program_->console, &ConsoleLog::linePrinted, [echo](const QString& line) {
            *echo << line << '\n';
            echo->flush();
        });
    }
    for (const QString& note : folder.notes)
        program_->console.ConsolePrint(note);
    headlessStartup(*program_);
}

CliSession::~CliSession() = default;

void CliSession::chooseGame(const QString& game) {
    if (game.isEmpty())
        return;
    Program& program = *program_;
    program.switcher.SwitchGame(game);
    if (program.game.currentGame != game) {
        program.game.currentGame = game;
        program.game.gameDirectory.clear();
    }
}

} // namespace fennick::cli
