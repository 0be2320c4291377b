#include "compile/map_compile_step.h"

#include "compile/mod_description_file.h"
#include "console/cvar_store.h"
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

MapCompileStep::MapCompileStep(const CoreServices& core, CvarStore& cvars,
                               std::function<QString()> modDescription)
    : compiler(core.programFolder, core.processes, core.system, core.console), core_(core),
      cvars_(cvars), modDescription_(std::move(modDescription)) {}

bool MapCompileStep::run() {
    if (core_.game.currentGame != kQuake3)
        return true;
    for (const QString& cvar : {QStringLiteral("map"), QStringLiteral("devmap")}) {
        if (!offerMap(cvar))
            return false;
    }
    writeModDescription(core_.game, core_.settings, core_.console,
                        modDescription_ ? modDescription_() : QString());
    return true;
}

bool MapCompileStep::offerMap(const QString& cvar) {
    const QString value = cvars_.GetCvar(cvar);
    if (!isUncompiledMap(value))
        return true;
    const CompileRequest request{cvar, value,
                                 compilePaths(cvars_.GetCvar(QStringLiteral("fenkit_mapfile")),
                                              value, core_.settings.q3MapPath())};
    const CompileOutcome outcome =
        chooser ? chooser(request, compiler) : CompileOutcome::NotCompiled;
    switch (outcome) {
    case CompileOutcome::Compiled:
    case CompileOutcome::NotCompiled:
        cvars_.SetCvar(cvar, value.chopped(kMapSuffix.size()), -1, 0, QStringLiteral("map"));
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
    core_.console.ConsolePrint(text);
    core_.status.queue(text, kRefusalSeconds);
}

} // namespace fennick
