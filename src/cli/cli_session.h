#pragma once

#include "app/program.h"
#include "core/headless_ui.h"
#include "customwin/headless_forms.h"

#include <QTextStream>
#include <memory>

namespace fennick::cli {

// Thrown by CliSession when there is no usable program folder (an
// installed Fennick could not create or fill the user's one); dispatch()
// reports it and ends the command with status 1.
struct ProgramFolderUnavailable {
    QString message;
};

// A Program over a program folder, brought up the way every command needs
// it: the catalogue, the enumerations and "config.cfg" read (nothing is
// written), the start-up loads done. With a stream, console lines and
// "[ui] ..." reports are printed to it as they happen.
class CliSession {
public:
    // An empty folder means the default one, as the desktop program finds
    // it (resolveProgramFolder): for an installed Fennick the user's data
    // folder, made and filled on first use, its notes printed as console
    // lines.
    CliSession(const QString& programFolder, QTextStream* echo);
    ~CliSession();

    Program& program() { return *program_; }
    HeadlessUi& ui() { return ui_; }
    // The custom windows "loadform" opened during the run.
    const HeadlessForms& forms() const { return *forms_; }

    // Makes a game current through the normal game switch, so its folder
    // becomes the game directory. A game whose folder is not valid is still
    // made current, without a game directory, so the catalogue answers for
    // it. An empty game changes nothing.
    void chooseGame(const QString& game);

private:
    HeadlessUi ui_;
    // Built over the program, and gone only after it.
    std::unique_ptr<HeadlessForms> forms_;
    std::unique_ptr<Program> program_;
};

} // namespace fennick::cli
