// How long fennick-cli takes to start and answer a command that draws
// nothing, measured from outside as whole processes: the processor time
// of "fennick-cli setup" over a program folder with the shipped files (meant
// to stay under 20 ms), the same on a folder without config.cfg (the first
// start, which searches the usual game folders), "--help", and for
// comparison a command that draws (the fast-info picture), which needs the
// GUI application the others do without.
#include "bench_runner.h"
#include "process_run.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace fennick;

QString gCli;        // fennick-cli beside this program
QString gShipped;    // a program folder with the shipped files and a config.cfg
QString gFirstStart; // the same without config.cfg
QString gPicture;    // where the drawing command writes its picture

// The shipped files the build copies beside the executables.
bool copyShippedFiles(const QString& from, const QString& to) {
    QDir().mkpath(to + QStringLiteral("/Forms"));
    const QDir source(from);
    for (const QString& name :
         source.entryList({QStringLiteral("*.lst"), QStringLiteral("*.gif")}, QDir::Files))
        if (!QFile::copy(source.filePath(name), to + QLatin1Char('/') + name))
            return false;
    const QDir forms(source.filePath(QStringLiteral("Forms")));
    for (const QString& name : forms.entryList(QDir::Files))
        if (!QFile::copy(forms.filePath(name), to + QStringLiteral("/Forms/") + name))
            return false;
    return QFileInfo::exists(to + QStringLiteral("/cmds.lst"));
}

// A config.cfg that names no game directory: the start looks for nothing.
bool writeConfig(const QString& folder) {
    QFile config(folder + QStringLiteral("/config.cfg"));
    return config.open(QIODevice::WriteOnly) &&
           config.write("\"\",0\r\n\"\",0\r\n\"\",0\r\n\"1\"\r\n\"10\"\r\n\"5\"\r\n"
                        "\"Default OpenGL\"\r\n0,\"\"\r\n0\r\n") > 0;
}

void runCli(benchmark::State& state, const QStringList& arguments) {
    if (gCli.isEmpty()) {
        state.SkipWithError("fennick-cli was not built beside this program");
        return;
    }
    bench::timeProcess(state, gCli, arguments);
}

void BM_CliHelp(benchmark::State& state) {
    runCli(state, {QStringLiteral("--help")});
}
void BM_CliSetup(benchmark::State& state) {
    runCli(state, {QStringLiteral("setup"), QStringLiteral("--program-folder"), gShipped});
}
void BM_CliSetupFirstStart(benchmark::State& state) {
    runCli(state, {QStringLiteral("setup"), QStringLiteral("--program-folder"), gFirstStart});
}
void BM_CliDrawing(benchmark::State& state) {
    runCli(state, {QStringLiteral("run"), QStringLiteral("--game"), QStringLiteral("quake3"),
                   QStringLiteral("--program-folder"), gShipped, QStringLiteral("--fast-info-png"),
                   gPicture});
}

void report(const bench::MedianTimes& times) {
    using bench::millisecondsText;
    std::printf("Processor time of fennick-cli as a whole process (medians):\n");
    const struct {
        const char* name;
        const char* what;
    } rows[] = {{"BM_CliSetup", "setup"},
                {"BM_CliSetupFirstStart", "setup, first start"},
                {"BM_CliHelp", "--help"},
                {"BM_CliDrawing", "run --fast-info-png"}};
    for (const auto& row : rows) {
        const double cpu = times.counter(row.name, "cpu_ms");
        std::printf("  %-22s %s, wall %s: ratio to 20 ms %s\n", row.what,
                    millisecondsText(cpu < 0 ? cpu : cpu / 1000.0).c_str(),
                    millisecondsText(times.seconds(row.name)).c_str(),
                    bench::ratioText(cpu, 20.0).c_str());
    }
}

} // namespace

BENCHMARK(BM_CliSetup)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CliSetupFirstStart)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CliHelp)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CliDrawing)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    gCli = bench::programBeside(argv[0], QStringLiteral("fennick-cli"));
    QTemporaryDir folder;
    gShipped = folder.filePath(QStringLiteral("shipped"));
    gFirstStart = folder.filePath(QStringLiteral("first"));
    gPicture = folder.filePath(QStringLiteral("info.png"));
    const QString beside = QFileInfo(QString::fromLocal8Bit(argv[0])).absolutePath();
    if (!copyShippedFiles(beside, gShipped) || !writeConfig(gShipped) ||
        !copyShippedFiles(beside, gFirstStart)) {
        std::fprintf(stderr, "the shipped files are not beside this program\n");
        return 1;
    }
    return bench::runBenchmarks(argc, argv, report);
}
