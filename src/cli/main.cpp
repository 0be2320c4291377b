#include "cli/cli_command.h"
#include "core/program_folder.h"
#include "platform/runtime_folder.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <memory>
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
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words.append(QString::fromLocal8Bit(argv[i]));
    // Without a session's runtime folder Qt would say so on standard error.
    const bool runtimeProvided = fennick::platform::provideRuntimeFolder();
    // Drawing (the fast-info picture, level shots) needs a GUI application;
    // without a window it runs on the offscreen platform, so no display is
    // needed. Every other command starts only Qt's core.
    std::unique_ptr<QCoreApplication> app;
    if (fennick::cli::commandDraws(words)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    fennick::platform::forgetRuntimeFolder(runtimeProvided);
    // The same name as the desktop program: both use one user data folder.
    QCoreApplication::setApplicationName(fennick::kApplicationName);
    QTextStream in(stdin);
    QTextStream out(stdout);
    QTextStream err(stderr);
    fennick::cli::CliStreams streams{in, out, err, standardInputIsTerminal()};

    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const int status = fennick::cli::dispatch(arguments, streams);
    out.flush();
    err.flush();
    return status;
}
