#include "cli/run_command.h"

#include "cli/cli_session.h"
#include "cli/command_arguments.h"
#include "cli/json_report.h"
#include "cli/launch_steps.h"
#include "cli/main_window_report.h"

#include <QJsonDocument>

namespace fennick::cli {

int runMain(const QStringList& arguments, CliStreams& streams) {
    const CommandArguments parsed =
        parseCommand(arguments, runOptionSpecs(), false, &usageText, streams);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    auto options = runOptionsFrom(std::get<ParsedOptions>(parsed));
    if (const auto* error = std::get_if<ParseError>(&options))
        return wrongCommandLine(streams, error->message);
    RunOptions& run = std::get<RunOptions>(options);
    run.inputIsTerminal = streams.inputIsTerminal;
    return runCommand(run, streams.input, streams.output, streams.errors);
}

int runCommand(const RunOptions& options, QTextStream& input, QTextStream& output,
               QTextStream& errors) {
    CliSession session(options.programFolder, options.json ? nullptr : &output);
    Program& program = session.program();
    session.chooseGame(options.game);
    if (!loadModAndConfiguration(program, options, errors))
        return 1;
    // The groups as the mod panel leaves them, also for a game without a
    // valid folder, where no mod is chosen.
    program.buttonGroups.GetButtonGroups();
    if (options.group)
        program.buttonGroups.selectGroup(*options.group);

    for (const QString& line : options.lines)
        program.interpreter.ExecuteLine(line, true);
    if (readsStandardInput(options)) {
        QString line;
        while (input.readLineInto(&line))
            program.interpreter.ExecuteLine(line, true);
    }
    int status = finishLaunch(program, options, output);
    if (!options.fastInfoPng.isEmpty() && !writeFastInfoPicture(program, options.fastInfoPng)) {
        errors << "fennick-cli: cannot write " << options.fastInfoPng << '\n';
        status = 1;
    }

    if (options.json) {
        QJsonObject report = jsonReport(program, program.console.lines(), session.ui().reports());
        report.insert(QStringLiteral("forms"), session.forms().json());
        output << QJsonDocument(report).toJson(QJsonDocument::Indented);
        output.flush();
    }
    return status;
}

} // namespace fennick::cli
