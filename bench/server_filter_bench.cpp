// Filtering the server list: 5,000 records of one group in the browser's
// rows and the proxy the list shows, sorted by ping as a player would have
// it. Each iteration is one change of a filter (hide empty, a maximum
// ping, a game type, a mod, hide passworded, a player to find, and back
// to none), after which the proxy has filtered and sorted the rows again.
// The report gives the time per change, meant to stay under 20 ms.
#include "bench_runner.h"
#include "browser/server_rows.h"
#include "browser/shown_servers.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace {

using namespace fennick;

constexpr int kRecords = 5000;

ServerRecord fakeServer(int i) {
    static const char* const types[] = {"Free For All", "Tournament", "Team Deathmatch",
                                        "Capture The Flag", "Single Player"};
    static const char* const mods[] = {"baseq3", "cpma", "osp", "defrag"};
    ServerRecord record;
    record.ip = QStringLiteral("10.%1.%2.1:27960").arg(i / 250).arg(i % 250);
    record.group = QStringLiteral("Quake 3 Arena\\Internet");
    record.hostname = QStringLiteral("^1Server ^7number %1").arg(i);
    record.ping = qint16((i * 37) % 400);
    record.maxclients = 16;
    record.players = qint16(i % 17);
    record.gametype = QLatin1String(types[i % 5]);
    record.mod = QLatin1String(mods[i % 4]);
    record.map = QStringLiteral("q3dm%1").arg(i % 19);
    record.needpass = i % 7 == 0;
    for (int p = 0; p < record.players; ++p)
        record.playernames += QStringLiteral("%1  ^%2Player^7%3\\")
                                  .arg(p * 3, 3, 10, QLatin1Char('0'))
                                  .arg(p % 8)
                                  .arg(i * 16 + p);
    return record;
}

std::vector<ServerFilter> changes() {
    std::vector<ServerFilter> list(7);
    list[1].hideEmpty = true;
    list[2] = list[1];
    list[2].maxPing = 150;
    list[3].gametype = QStringLiteral("capture the flag");
    list[4].mod = QStringLiteral("CPMA");
    list[5].hidePassworded = true;
    list[6].player = QStringLiteral("player7123");
    return list;
}

void BM_FilterChange(benchmark::State& state) {
    ServerRows rows;
    for (int i = 0; i < kRecords; ++i)
        rows.append(fakeServer(i));
    ShownServers shown(rows);
    shown.sort(ServerRows::ColumnIndex(QStringLiteral("ping")), Qt::AscendingOrder);
    const std::vector<ServerFilter> filters = changes();
    size_t next = 0;
    int shownRows = 0;
    for (auto _ : state) {
        rows.setFilter(filters[next]);
        shownRows += shown.rowCount();
        next = (next + 1) % filters.size();
    }
    benchmark::DoNotOptimize(shownRows);
    state.SetItemsProcessed(state.iterations() * kRecords);
}

void report(const bench::MedianTimes& times) {
    std::printf("One filter change over %d servers, filtered and sorted: %s (under 20 ms)\n",
                kRecords, bench::millisecondsText(times.seconds("BM_FilterChange")).c_str());
}

} // namespace

BENCHMARK(BM_FilterChange)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return fennick::bench::runBenchmarks(argc, argv, report);
}
