#include "cli/compile_choice.h"

#include "cli/cli_options.h"
#include "core/console_log.h"

namespace fennick::cli {

MapCompileStep::Chooser compileChooser(const RunOptions& options, ConsoleLog& console) {
    const std::optional<int> level = options.compileLevel;
    const bool aas = options.aas;
    const bool skip = options.noCompile;
    return [level, aas, skip, &console](const CompileRequest& request, MapCompiler& compiler) {
        const QString& map = request.paths.mapFile;
        if (skip)
            return CompileOutcome::NotCompiled;
        if (!level) {
            console.ConsolePrint(QStringLiteral("Cannot launch: %1 \"%2\" is an uncompiled map; "
                                                "give --compile 1-4 or --no-compile")
                                     .arg(request.cvar, request.map));
            return CompileOutcome::Abandoned;
        }
        if (const std::optional<QString> error = compiler.start(request.paths, {*level, aas})) {
            console.ConsolePrint(QStringLiteral("Cannot compile %1: %2").arg(map, *error));
            return CompileOutcome::Abandoned;
        }
        console.ConsolePrint(QStringLiteral("Compiling %1 (%2)").arg(map, compiler.batchPath()));
        switch (compiler.waitForEnd()) {
        case CompileEnd::Completed:
            console.ConsolePrint(QStringLiteral("Compiled %1").arg(map));
            return CompileOutcome::Compiled;
        case CompileEnd::Failed:
            return CompileOutcome::Failed;
        case CompileEnd::Cancelled:
            break;
        }
        return CompileOutcome::Cancelled;
    };
}

} // namespace fennick::cli
