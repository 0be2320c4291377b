#include "cli/run_command.h"

#include "cli/cli_session.h"
#include "cli/json_report.h"
#include "cli/launch_steps.h"

#include <QJsonDocument>

namespace fennick::cli {

int runCommand(const RunOptions& options, QTextStream& input, QTextStream& output,
               QTextStream& errors) {
    CliSession session(options.programFolder, options.json ? nullptr : &output);
    Program& program = session.program();
    session.chooseGame(options.game);
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
        QJsonObject report = jsonReport(program, program.console.lines(), session.ui().reports());
        report.insert(QStringLiteral("forms"), session.ui().forms().json());
        output << QJsonDocument(report).toJson(QJsonDocument::Indented);
        output.flush();
    }
    return status;
}

} // namespace fennick::cli
