#include "cli/launch_steps.h"

#include "app/program.h"
#include "cli/cli_options.h"
#include "common/game_ids.h"

namespace fennick::cli {

namespace {

void printPreview(const LaunchPreview& preview, QTextStream& output) {
    output << "Command line: " << preview.commandLine << '\n';
    output << "Script: " << preview.scriptPath << '\n';
    for (const QString& line : preview.scriptLines)
        output << "  " << line << '\n';
    output.flush();
}

} // namespace

bool loadModAndConfiguration(Program& program, const RunOptions& options, QTextStream& errors) {
    if (options.mod.isEmpty() && !options.config && !options.write && !options.launch)
        return true;
    const QString& game = program.game.currentGame;
    if (!isGameId(game)) {
        errors << "fennick-cli: --mod, --config, --write and --launch need a game: give --game\n";
        errors.flush();
        return false;
    }
    QString key = options.mod;
    if (key.isEmpty())
        key = program.game.currentModKey.isEmpty() ? game : program.game.currentModKey;

    ConfigFiles& configs = program.configs;
    if (!options.config) {
        configs.selectModKey(key);
        return true;
    }
    configs.setMod(key);
    configs.openConfiguration(*options.config);
    if (configs.marker.isEmpty()) {
        errors << "fennick-cli: " << key << " has no configuration named '" << *options.config
               << "' yet; the next save creates it\n";
        errors.flush();
    }
    program.commandBuilder.MakeCommandLine(false);
    return true;
}

int finishLaunch(Program& program, const RunOptions& options, QTextStream& output) {
    // A run that set nothing has not rebuilt the preview since the game was
    // chosen; the preview always shows the current state.
    program.commandBuilder.MakeCommandLine(false);
    int status = 0;
    if (options.launch) {
        if (program.launcher.Launch()) {
            if (!options.json)
                output << "Started " << program.preview.commandLine << '\n';
        } else {
            status = 1;
        }
    } else if (options.write) {
        if (!program.launcher.writeLaunchFiles())
            status = 1;
    }
    if (options.preview && !options.json)
        printPreview(program.preview, output);
    output.flush();
    return status;
}

} // namespace fennick::cli
