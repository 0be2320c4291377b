#include "cli/cli_options.h"
#include "cli/run_command.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

bool standardInputIsTerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stdin)) != 0;
#else
    return isatty(fileno(stdin)) != 0;
#endif
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream in(stdin);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const auto parsed = fennick::cli::parseArguments(arguments);
    if (const auto* error = std::get_if<fennick::cli::ParseError>(&parsed)) {
        err << "fennick-cli: " << error->message << '\n'
            << "Try 'fennick-cli --help' for the list of options.\n";
        return 2;
    }
    const auto& command = std::get<fennick::cli::ParsedCommand>(parsed);
    if (command.kind == fennick::cli::ParsedCommand::Kind::Help) {
        out << fennick::cli::usageText();
        return 0;
    }
    fennick::cli::RunOptions options = command.run;
    options.inputIsTerminal = standardInputIsTerminal();
    return fennick::cli::runCommand(options, in, out, err);
}
