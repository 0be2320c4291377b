#include "cli/run_command.h"

#include "app/headless_ui.h"
#include "app/program.h"
#include "app/startup.h"
#include "cli/json_report.h"
#include "cli/launch_steps.h"

#include <QCoreApplication>
#include <QJsonDocument>

namespace fennick::cli {

namespace {

QString defaultProgramFolder() {
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                        : QStringLiteral(".");
}

// Makes the asked game current through the normal game switch, so its
// folder becomes the game directory. A game whose folder is not valid is
// still made current, without a game directory, so the catalogue answers
// for it.
void chooseGame(Program& program, const QString& game) {
    if (game.isEmpty())
        return;
    program.switcher.SwitchGame(game);
    if (program.game.currentGame != game) {
        program.game.currentGame = game;
        program.game.gameDirectory.clear();
    }
}

} // namespace

int runCommand(const RunOptions& options, QTextStream& input, QTextStream& output,
               QTextStream& errors) {
    HeadlessUi ui([&](const QString& report) {
        if (!options.json) {
            output << "[ui] " << report << '\n';
            output.flush();
        }
    });
    ProgramEnvironment environment;
    environment.programFolder =
        options.programFolder.isEmpty() ? defaultProgramFolder() : options.programFolder;
    environment.ui = &ui;
    Program program(environment);

    if (!options.json) {
        QObject::connect(&program.console, &ConsoleLog::linePrinted, [&](const QString& line) {
            output << line << '\n';
            output.flush();
        });
    }

    headlessStartup(program);
    chooseGame(program, options.game);
    if (!loadModAndConfiguration(program, options, errors))
        return 1;

    for (const QString& line : options.lines)
        program.interpreter.ExecuteLine(line, true);
    if (readsStandardInput(options)) {
        QString line;
        while (input.readLineInto(&line))
            program.interpreter.ExecuteLine(line, true);
    }
    const int status = finishLaunch(program, options, output);

    if (options.json) {
        const QJsonObject report = jsonReport(program, program.console.lines(), ui.reports());
        output << QJsonDocument(report).toJson(QJsonDocument::Indented);
        output.flush();
    }
    return status;
}

} // namespace fennick::cli
