// Opening the two browsers' windows over lists of 100,000 records: a
// "servers.lst" and a "maps.lst" whose records all belong to the Recent
// group each window shows first. The figure is the time from the window's
// construction until it has been shown and painted once, the rows sorted;
// `rows` says how many the list shows. The report compares each with the
// goal of 2 s.
#include "app/program.h"
#include "app/widgets/desktop_ui.h"
#include "bench_runner.h"
#include "browser/server_browser.h"
#include "browser/widgets/frm_browse_server.h"
#include "maps/map_browser.h"
#include "maps/widgets/frm_map_browser.h"
#include "platform/clock.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

using namespace fennick;

constexpr int kRecords = 100000;

// A Recent record added an hour before the clock's day 46362.8.
bool writeServers(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray bytes;
    for (int i = 0; i < kRecords; ++i)
        bytes += "\"127." + QByteArray::number(1 + i / 50000) + "." +
                 QByteArray::number(i / 250 % 200) + "." + QByteArray::number(i % 250) +
                 ":9\",\"Quake 3 Arena\\Recent\",\"Server " + QByteArray::number(i) +
                 "\",50,\"Welcome\",\"\",46362.75\r\n";
    return file.write(bytes) == bytes.size();
}

bool writeMaps(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray bytes;
    for (int i = 0; i < kRecords; ++i)
        bytes += "\"map" + QByteArray::number(i) + "\",\"Quake 3 Arena\\Recent\",\"Map number " +
                 QByteArray::number(i) + "\",\"baseq3\",\"pak" + QByteArray::number(i % 9) +
                 ".pk3\",0,46362." + QByteArray::number(100 + i % 800) + "\r\n";
    return file.write(bytes) == bytes.size();
}

struct Setup {
    QTemporaryDir dir;
    platform::ManualClock clock{QDateTime(QDate(2026, 12, 6), QTime(20, 0))};
    DesktopUi ui;
    std::unique_ptr<Program> program;

    Setup() {
        // Nothing is sent beyond loopback: the browser's discovery goes to
        // addresses where nothing listens.
        QFile ini(dir.filePath(QStringLiteral("fennick.ini")));
        if (ini.open(QIODevice::WriteOnly))
            ini.write("[network]\nmaster=127.0.0.1:9\nbroadcast=127.0.0.9\n");
        ini.close();
        ProgramEnvironment environment;
        environment.programFolder = dir.path();
        environment.clock = &clock;
        environment.ui = &ui;
        environment.randomSeed = 1;
        program = std::make_unique<Program>(environment);
        program->game.currentGame = QStringLiteral("quake3");
    }
};

template <class Window> void openWindow(benchmark::State& state, bool servers) {
    Setup setup;
    const QString file = servers ? QStringLiteral("servers.lst") : QStringLiteral("maps.lst");
    if (!(servers ? writeServers : writeMaps)(setup.dir.filePath(file))) {
        state.SkipWithError("could not write the list");
        return;
    }
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        QPointer<Window> window = new Window(setup.program->browserServices());
        window->show();
        if (!QTest::qWaitForWindowExposed(window))
            state.SkipWithError("the window was not shown");
        QCoreApplication::processEvents();
        state.counters["open_ms"] = double(timer.elapsed());
        const auto* list =
            window->template findChild<QAbstractItemView*>(QStringLiteral("ListView1"));
        state.counters["rows"] = double(list->model()->rowCount());
        state.PauseTiming();
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->close();
        QTest::qWait(20);
        state.ResumeTiming();
    }
}

void serverBrowserOpen(benchmark::State& state) {
    openWindow<frmBrowseServer>(state, true);
}
BENCHMARK(serverBrowserOpen)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void mapBrowserOpen(benchmark::State& state) {
    openWindow<frmMapBrowser>(state, false);
}
BENCHMARK(mapBrowserOpen)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void report(const bench::MedianTimes& times) {
    for (const char* name : {"serverBrowserOpen", "mapBrowserOpen"}) {
        const double seconds = times.counter(name, "open_ms") / 1000.0;
        std::printf("%-18s %s for %.0f rows of %d records: %s (goal: under 2 s)\n", name,
                    bench::millisecondsText(seconds).c_str(), times.counter(name, "rows"), kRecords,
                    seconds >= 0 && seconds < 2.0 ? "met" : "NOT met");
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Each repetition opens a window over 100,000 records: three are enough
    // for a median.
    return fennick::bench::runBenchmarks(argc, argv, report, 3);
}
