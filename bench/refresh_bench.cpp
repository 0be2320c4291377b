// A Refresh of a group of 500 known servers on loopback, 10% of them silent,
// with the query pool of a setup of 19 (20 queries at once). The fake
// servers answer from a thread of their own, so the figures are the
// browser's: wall time of the refresh and the CPU time of the thread that
// runs it. The report compares the wall time with the least the silent
// servers cost: one second each, 20 of them waited for at once.
#include "app/program.h"
#include "bench_runner.h"
#include "browser/browser_work.h"
#include "browser/server_browser.h"
#include "platform/clock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QNetworkDatagram>
#include <QTemporaryDir>
#include <QThread>
#include <QUdpSocket>
#include <benchmark/benchmark.h>
#include <ctime>
#include <memory>
#include <vector>

namespace {

using namespace fennick;

constexpr int kServers = 500;
constexpr int kSilentEvery = 10;
constexpr int kAtOnce = 20;

// The fake servers live in their own thread; the silent ones are bound
// and never answer.
class FakeServers : public QObject {
public:
    void start(QThread& thread) {
        moveToThread(&thread);
        QMetaObject::invokeMethod(
            this, [this] { bindAll(); }, Qt::BlockingQueuedConnection);
    }
    void stop() {
        QMetaObject::invokeMethod(
            this, [this] { sockets_.clear(); }, Qt::BlockingQueuedConnection);
    }
    QStringList addresses;

private:
    void bindAll() {
        for (int i = 0; i < kServers; ++i) {
            auto socket = std::make_unique<QUdpSocket>();
            if (!socket->bind(QHostAddress(QHostAddress::LocalHost), 0))
                continue;
            addresses.append(QStringLiteral("127.0.0.1:%1").arg(socket->localPort()));
            if (i % kSilentEvery != 0) {
                QUdpSocket* raw = socket.get();
                connect(raw, &QUdpSocket::readyRead, raw, [raw] {
                    while (raw->hasPendingDatagrams()) {
                        const QNetworkDatagram d = raw->receiveDatagram();
                        raw->writeDatagram(QByteArray("\xff\xff\xff\xffstatusResponse\n"
                                                      "\\sv_hostname\\Bench\\mapname\\q3dm17"
                                                      "\\dmflags\\0\n3 40 \"player\"\n"),
                                           d.senderAddress(), quint16(d.senderPort()));
                    }
                });
            }
            sockets_.push_back(std::move(socket));
        }
    }
    std::vector<std::unique_ptr<QUdpSocket>> sockets_;
};

double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

void writeServersFile(const QTemporaryDir& dir, const QStringList& addresses) {
    QFile file(dir.filePath(QStringLiteral("servers.lst")));
    if (!file.open(QIODevice::WriteOnly))
        return;
    for (const QString& address : addresses)
        file.write(QStringLiteral("\"%1\",\"Quake 3 Arena\\Bench\",\"Known\",0,\"\",\"\",0\r\n")
                       .arg(address)
                       .toUtf8());
}

void refreshGroup(benchmark::State& state) {
    QThread thread;
    thread.start();
    FakeServers servers;
    servers.start(thread);
    QTemporaryDir dir;
    writeServersFile(dir, servers.addresses);

    ProgramEnvironment environment;
    environment.programFolder = dir.path();
    Program program(environment);
    program.settings.maxServers = QString::number(kAtOnce - 1);
    for (auto _ : state) {
        ServerBrowser browser(program.browserServices());
        browser.LoadServers();
        browser.selectNode(browser.tree().nodeForGroup(QStringLiteral("Quake 3 Arena\\Bench")));
        QueryPool pool(kAtOnce - 1, program.clock, [&browser] { return browser.statusContext(); },
                       {});
        RefreshRun refresh(browser, pool, pool.size());
        QEventLoop loop;
        QObject::connect(&refresh, &RefreshRun::finished, &loop, &QEventLoop::quit);
        const double cpu = threadCpuSeconds();
        if (refresh.start() && refresh.working())
            loop.exec();
        state.counters["cpu_ms"] = (threadCpuSeconds() - cpu) * 1000.0;
        int answered = 0;
        for (int slot = 1; slot <= browser.list().count(); ++slot)
            answered += browser.list().at(slot).ping < 999;
        state.counters["answered"] = answered;
    }
    servers.stop();
    thread.quit();
    thread.wait();
}
BENCHMARK(refreshGroup)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void report(const bench::MedianTimes& times) {
    const double floor = double(kServers / kSilentEvery) / kAtOnce;
    const double refresh = times.seconds("refreshGroup");
    std::printf("Refresh of %d servers, %d silent, %d at once: %s against the %s the silent "
                "servers need at least: ratio %s\n",
                kServers, kServers / kSilentEvery, kAtOnce,
                bench::millisecondsText(refresh).c_str(), bench::millisecondsText(floor).c_str(),
                bench::ratioText(refresh, floor).c_str());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return bench::runBenchmarks(argc, argv, report);
}
