// The open server browser window under a flood of status datagrams from
// loopback: 10,000 a second for two seconds to its query sockets, sent from
// a thread of their own. The figures: how many were sent, how late a 20 ms
// timer of the window thread ticked at worst (the window's responsiveness)
// and how much the resident memory grew.
#include "app/program.h"
#include "app/widgets/desktop_ui.h"
#include "bench_runner.h"
#include "browser/browser_work.h"
#include "browser/server_browser.h"
#include "browser/widgets/frm_browse_server.h"
#include "datagram_flood.h"
#include "platform/clock.h"

#include <QApplication>
#include <QFile>
#include <QNetworkDatagram>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUdpSocket>
#include <benchmark/benchmark.h>

namespace {

using namespace fennick;

constexpr int kPerSecond = 10000;
constexpr int kFloodMs = 2000;

// One server on loopback that answers the window's opening refresh, so
// the query sockets are bound.
struct Setup {
    QTemporaryDir dir;
    platform::ManualClock clock{QDateTime(QDate(2026, 12, 6), QTime(20, 0))};
    DesktopUi ui;
    QUdpSocket server;
    std::vector<quint16> ports; // the query sockets the server heard from
    std::unique_ptr<Program> program;

    Setup() {
        server.bind(QHostAddress(QHostAddress::LocalHost), 0);
        QObject::connect(&server, &QUdpSocket::readyRead, [this] {
            while (server.hasPendingDatagrams()) {
                const QNetworkDatagram query = server.receiveDatagram();
                ports.push_back(quint16(query.senderPort()));
                server.writeDatagram(test::DatagramFlood::reply(0), query.senderAddress(),
                                     quint16(query.senderPort()));
            }
        });
        write("fennick.ini", "[network]\nmaster=127.0.0.1:9\nbroadcast=127.0.0.9\n");
        write("servers.lst", "\"127.0.0.1:" + QByteArray::number(server.localPort()) +
                                 "\",\"Quake 3 Arena\\Recent\",\"Answers\",50,\"\",\"\","
                                 "46362.75\r\n");
        ProgramEnvironment environment;
        environment.programFolder = dir.path();
        environment.clock = &clock;
        environment.ui = &ui;
        environment.randomSeed = 1;
        program = std::make_unique<Program>(environment);
        program->game.currentGame = QStringLiteral("quake3");
    }
    void write(const char* name, const QByteArray& bytes) {
        QFile file(dir.filePath(QLatin1String(name)));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
};

void floodOpenBrowser(benchmark::State& state) {
    Setup setup;
    QPointer<frmBrowseServer> window = new frmBrowseServer(setup.program->browserServices());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    if (!QTest::qWaitFor([&] { return !window->browser().work()->refreshRun().working(); }, 5000)) {
        state.SkipWithError("the opening refresh did not end");
        return;
    }
    const std::vector<quint16> ports = setup.ports;
    if (ports.empty()) {
        state.SkipWithError("the opening refresh asked nothing");
        return;
    }
    for (auto _ : state) {
        const qint64 memoryBefore = test::residentBytes();
        const test::FloodRun run = test::floodWhileTicking(ports, kPerSecond, kFloodMs);
        state.counters["sent"] = double(run.sent);
        state.counters["late_ms"] = double(std::max<qint64>(run.longestGap - 20, 0));
        state.counters["memory_mb"] =
            double(test::residentBytes() - memoryBefore) / double(1 << 20);
    }
    window->close();
    QTest::qWait(20);
}
BENCHMARK(floodOpenBrowser)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void report(const bench::MedianTimes& times) {
    const char* name = "floodOpenBrowser";
    std::printf("Flood of %d status datagrams a second for %.1f s to the open server browser:\n",
                kPerSecond, kFloodMs / 1000.0);
    std::printf("  sent %.0f datagrams\n", times.counter(name, "sent"));
    std::printf("  a 20 ms timer of the window ticked at worst %.0f ms late (goal: under 100 ms)\n",
                times.counter(name, "late_ms"));
    std::printf("  resident memory grew by %.1f MB (goal: under 32 MB)\n",
                times.counter(name, "memory_mb"));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Each repetition floods for two seconds: three give a median.
    return fennick::bench::runBenchmarks(argc, argv, report, 3);
}
