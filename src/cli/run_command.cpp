#include "cli/run_command.h"

#include "app/headless_ui.h"
#include "app/program.h"
#include "cli/json_report.h"

#include <QCoreApplication>
#include <QJsonDocument>

namespace fennick::cli {

namespace {

QString defaultProgramFolder() {
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                        : QStringLiteral(".");
}

} // namespace

int runCommand(const RunOptions& options, QTextStream& input, QTextStream& output,
               QTextStream& errors) {
    (void)errors;
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
    program.game.currentGame = options.game;

    if (!options.json) {
        QObject::connect(&program.console, &ConsoleLog::linePrinted, [&](const QString& line) {
            output << line << '\n';
            output.flush();
        });
    }

    program.loadCatalogue();

    if (!options.lines.isEmpty()) {
        for (const QString& line : options.lines)
            program.interpreter.ExecuteLine(line, true);
    } else {
        QString line;
        while (input.readLineInto(&line))
            program.interpreter.ExecuteLine(line, true);
    }

    if (options.json) {
        const QJsonObject report = jsonReport(program, program.console.lines(), ui.reports());
        output << QJsonDocument(report).toJson(QJsonDocument::Indented);
        output.flush();
    }
    return 0;
}

} // namespace fennick::cli
