#include "cli/launch_steps.h"

#include "app/program.h"
#include "cli/cli_options.h"
#include "cli/compile_choice.h"
#include "core/game_facts.h"

namespace fennick::cli {

namespace {

void printPreview(const LaunchPreview& preview, QTextStream& output) {
    output << "Command line: " << preview.commandLine << '\n';
    output << "Script: " << preview.scriptPath << '\n';
    if (!preview.scriptNote.isEmpty())
        output << "Script note: " << preview.scriptNote << '\n';
    if (preview.scriptWritten)
        output << "Script written: " << preview.scriptPath << '\n';
    for (const QString& line : preview.scriptLines)
        output << "  " << line << '\n';
    output.flush();
}

void reportUnknownMod(const Program& program, const QString& mod, QTextStream& errors) {
    QStringList keys;
    for (const ModItem& item : program.mods.items())
        keys.append(item.key);
    errors << "fennick-cli: " << gameFacts(program.game.currentGame).displayName << " has no mod '"
           << mod << "' (its mods: " << keys.join(QStringLiteral(", ")) << ")\n";
    errors.flush();
}

// The name goes to the configuration combo as a pick does: a known name
// loads the general file and that configuration; an unknown one loads
// nothing, and the next save writes the settings loaded so far under it.
void chooseConfiguration(Program& program, const QString& name, QTextStream& errors) {
    if (!program.configs.FindConfigurationFile(name).exists) {
        errors << "fennick-cli: " << program.game.currentModKey << " has no configuration named '"
               << name << "' yet; the next save creates it\n";
        errors.flush();
    }
    program.panel.configurationChosen(name);
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
    // A game without a valid folder was made current by hand; its list
    // then holds the plain game alone.
    if (program.mods.rowCount() == 0)
        program.mods.FillModList();
    ModPanel& panel = program.panel;
    if (!options.mod.isEmpty()) {
        const int row = panel.rowOfMod(options.mod);
        if (row < 0) {
            reportUnknownMod(program, options.mod, errors);
            return false;
        }
        panel.SelectMod(row);
    } else if (panel.selectedRow() < 0) {
        panel.selectPlainGame();
    }
    if (options.config)
        chooseConfiguration(program, *options.config, errors);
    return true;
}

int finishLaunch(Program& program, const RunOptions& options, QTextStream& output) {
    // A run that set nothing has not rebuilt the preview since the game was
    // chosen; the preview always shows the current state.
    program.commandBuilder.MakeCommandLine(false);
    int status = 0;
    if (options.launch) {
        program.compileStep.chooser = compileChooser(options, program.console);
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
