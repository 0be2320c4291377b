#include "compile/map_compile_step.h"

#include "app/program.h"
#include "compile/mod_description_file.h"
#include "core/game_facts.h"

namespace fennick {

namespace {

const QLatin1String kMapSuffix(".map");
// Seconds the status line says why the game was not started.
constexpr int kRefusalSeconds = 4;

bool isUncompiledMap(const QString& value) {
    return value.size() > kMapSuffix.size() && value.endsWith(kMapSuffix, Qt::CaseInsensitive);
}

} // namespace

MapCompileStep::MapCompileStep(Program& program)
    : compiler(program.programFolder, program.processes, program.system, program.console),
      program_(program) {}

bool MapCompileStep::run() {
    if (program_.game.currentGame != kQuake3)
        return true;
    for (const QString& cvar : {QStringLiteral("map"), QStringLiteral("devmap")}) {
        if (!offerMap(cvar))
            return false;
    }
    WriteModDescription(program_);
    return true;
}

bool MapCompileStep::offerMap(const QString& cvar) {
    CvarStore& cvars = program_.cvars;
    const QString value = cvars.GetCvar(cvar);
    if (!isUncompiledMap(value))
        return true;
    const CompileRequest request{cvar, value,
                                 compilePaths(cvars.GetCvar(QStringLiteral("fenkit_mapfile")),
                                              value, program_.settings.q3MapPath())};
    const CompileOutcome outcome =
        chooser ? chooser(request, compiler) : CompileOutcome::NotCompiled;
    switch (outcome) {
    case CompileOutcome::Compiled:
    case CompileOutcome::NotCompiled:
        cvars.SetCvar(cvar, value.chopped(kMapSuffix.size()), -1, 0, QStringLiteral("map"));
        return true;
    case CompileOutcome::Cancelled:
        refuse(QStringLiteral("Launch cancelled: %1 was not compiled").arg(value));
        return false;
    case CompileOutcome::Failed:
        refuse(QStringLiteral("The compile of %1 failed: the game was not started").arg(value));
        return false;
    case CompileOutcome::Abandoned:
        break;
    }
    return false;
}

void MapCompileStep::refuse(const QString& text) {
    program_.console.ConsolePrint(text);
    program_.status.queue(text, kRefusalSeconds);
}

} // namespace fennick
