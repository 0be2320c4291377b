// Executing a settings file of 1,000 distinct "set" lines into an empty
// store through LoadConfigFile: each line is a new cvar, so every SetCvar
// scans the whole store (linear by design), and nothing else may grow
// faster than that.
#include "app/program.h"
#include "app/ui_host.h"
#include "platform/clock.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace fennick;

QString writeSettingsFile(const QTemporaryDir& dir, int lines) {
    QDir(dir.path()).mkdir(QStringLiteral("config"));
    const QString path = dir.filePath(QStringLiteral("config/q3_general.cfg"));
    QByteArray bytes;
    for (int i = 0; i < lines; ++i)
        bytes += "set bench_cvar_" + QByteArray::number(i) + " \"value " + QByteArray::number(i) +
                 "\"\r\n";
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

// withPreview false unhooks the command-line rebuild that follows every
// SetCvar, leaving the file, the interpreter and the store. With it, every
// line rebuilds the command line and all script lines so far (each value
// here has a space, so each line is quoted), as a load in the program does.
void loadConfigFile(benchmark::State& state, bool withPreview) {
    const int lines = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    const QString path = writeSettingsFile(dir, lines);
    platform::ManualClock clock(QDateTime(QDate(2026, 12, 6), QTime(20, 0)));
    UiHost ui;
    for (auto _ : state) {
        state.PauseTiming();
        ProgramEnvironment environment;
        environment.programFolder = dir.path();
        environment.clock = &clock;
        environment.ui = &ui;
        environment.randomSeed = 1;
        auto program = std::make_unique<Program>(environment);
        program->game.currentGame = QStringLiteral("quake3");
        program->game.currentModKey = QStringLiteral("cpma");
        if (!withPreview)
            program->cvars.setChangedHandler({});
        state.ResumeTiming();

        program->configs.LoadConfigFile(path);

        state.PauseTiming();
        if (program->cvars.size() != lines)
            state.SkipWithError("the store does not hold every cvar");
        program.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * lines);
}

void BM_LoadConfigFile(benchmark::State& state) {
    loadConfigFile(state, true);
}
void BM_LoadConfigFileWithoutPreview(benchmark::State& state) {
    loadConfigFile(state, false);
}

} // namespace

// The measure: 1,000 lines as the program runs them.
BENCHMARK(BM_LoadConfigFile)->Arg(1000)->Unit(benchmark::kMicrosecond);
// How the time grows with the file, and what the store alone costs.
BENCHMARK(BM_LoadConfigFile)->Arg(2000)->Arg(4000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadConfigFileWithoutPreview)
    ->Arg(1000)
    ->Arg(2000)
    ->Arg(4000)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
