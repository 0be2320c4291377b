// Executing a settings file of distinct "set" lines into an empty store
// through LoadConfigFile, with the command-line rebuild that a load asks
// for and without it. A load must grow in step with the file: the report
// after the run gives the time of 1,000 lines with the rebuild (meant to
// stay under 10 ms in a release build) and how much longer 4,000 lines
// take than 1,000 (meant to stay within 5 times).
#include "app/program.h"
#include "bench_runner.h"
#include "core/ui_host.h"
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

// withPreview false unhooks the command-line rebuild that SetCvar asks
// for, leaving the file, the interpreter and the store. With it, the load
// rebuilds the command line and the script lines (each value here has a
// space, so each line is quoted) as a load in the program does.
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

// On a busy machine a longer run is more often put aside for other work,
// which stretches its wall time more than a short run's; the processor
// time shows the growth of the load itself.
void report(const bench::MedianTimes& times) {
    using bench::millisecondsText;
    using bench::ratioText;
    const double thousand = times.seconds("BM_LoadConfigFile/1000");
    std::printf("Loading 1,000 lines with the rebuild: %s, processor %s (under 10 ms)\n",
                millisecondsText(thousand).c_str(),
                millisecondsText(times.cpuSeconds("BM_LoadConfigFile/1000")).c_str());
    std::printf("Growth from 1,000 to 4,000 lines (at most 5):\n");
    for (const char* name : {"BM_LoadConfigFile", "BM_LoadConfigFileWithoutPreview"}) {
        const std::string base = name;
        const double small = times.seconds(base + "/1000");
        const double large = times.seconds(base + "/4000");
        std::printf(
            "  %-32s %s to %s: ratio %s; processor time ratio %s\n", name,
            millisecondsText(small).c_str(), millisecondsText(large).c_str(),
            ratioText(large, small).c_str(),
            ratioText(times.cpuSeconds(base + "/4000"), times.cpuSeconds(base + "/1000")).c_str());
    }
}

} // namespace

BENCHMARK(BM_LoadConfigFile)->Arg(1000)->Arg(2000)->Arg(4000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadConfigFileWithoutPreview)
    ->Arg(1000)
    ->Arg(2000)
    ->Arg(4000)
    ->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    return fennick::bench::runBenchmarks(argc, argv, report);
}
