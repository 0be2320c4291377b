// The map browser's scan of "Quake 3 Arena\All": every map of the base
// folder's archives listed and given its title from the arena scripts, as
// the window does when the group is chosen. Two folders:
//   big:   20 archives, 2,000 maps with arena scripts (100 per archive)
//   small: 9 archives, 100 maps, like a real base folder
// Each archive also holds textures, so listings have members to skip.
// Beside the scan the same run times `unzip -l` over the same archives and
// `fennick-cli maps All` on them, both as whole processes, and prints the
// ratios: the scan is meant to stay within 1.2 times `unzip -l` for the
// big folder and 0.6 times for the small one. --keep-archives=DIR leaves
// the archives in DIR/big and DIR/small.
#include "app/program.h"
#include "archive_folder_main.h"
#include "core/ui_host.h"
#include "maps/map_browser.h"
#include "platform/clock.h"
#include "process_run.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <zip.h>

namespace {

using namespace fennick;

struct Shape {
    int archives;
    int maps;     // in all
    int textures; // per archive
};
constexpr Shape kBig{20, 2000, 150};
constexpr Shape kSmall{9, 100, 300};

QByteArray mapName(int archive, int map) {
    return "sm" + QByteArray::number(archive).rightJustified(2, '0') + "_" +
           QByteArray::number(map);
}

QByteArray arenaScript(int archive, int maps) {
    QByteArray text;
    for (int map = 0; map < maps; ++map)
        text += "{\r\nmap \"" + mapName(archive, map) +
                "\"\r\nbots \"sarge\"\r\nlongname \"Scan Arena " +
                QByteArray::number(archive * 1000 + map) + "\"\r\nfraglimit 20\r\n}\r\n";
    return text;
}

bool add(zip_t* zip, const QByteArray& name, const QByteArray& data,
         std::vector<QByteArray>& keep) {
    keep.push_back(data);
    zip_source_t* source =
        zip_source_buffer(zip, keep.back().constData(), zip_uint64_t(keep.back().size()), 0);
    if (source && zip_file_add(zip, name.constData(), source, ZIP_FL_ENC_UTF_8) >= 0)
        return true;
    zip_source_free(source);
    return false;
}

// Writes one archive through libzip, a real ZIP writer.
bool writeArchive(const QString& path, int archive, int maps, int textures) {
    int error = 0;
    zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip)
        return false;
    std::vector<QByteArray> keep;
    keep.reserve(size_t(maps * 2 + textures + 1));
    bool ok = add(zip, "scripts/arenas.txt", arenaScript(archive, maps), keep);
    for (int map = 0; ok && map < maps; ++map)
        ok =
            add(zip, "maps/" + mapName(archive, map) + ".bsp", QByteArray(2000 + map, 'b'), keep) &&
            add(zip, "levelshots/" + mapName(archive, map) + ".jpg", QByteArray(300, 'j'), keep);
    for (int i = 0; ok && i < textures; ++i)
        ok = add(zip, "textures/scan/wall" + QByteArray::number(i) + ".tga", QByteArray(200, 't'),
                 keep);
    if (!ok) {
        zip_discard(zip);
        return false;
    }
    return zip_close(zip) == 0;
}

bool makeFolder(const QString& root, const Shape& shape) {
    const QString base = root + QStringLiteral("/baseq3");
    QDir().mkpath(base);
    for (int archive = 0; archive < shape.archives; ++archive) {
        const int maps = shape.maps / shape.archives + (archive < shape.maps % shape.archives);
        if (!writeArchive(base + QStringLiteral("/pak%1.pk3").arg(archive, 2, 10, QLatin1Char('0')),
                          archive, maps, shape.textures))
            return false;
    }
    return true;
}

QString gRoot;
QString gUnzip; // empty when unzip is not installed
QString gCli;   // fennick-cli beside this program, empty when not built

// A fresh program (an empty title cache) and window model per run: the
// scan starts when the empty All group is chosen.
void scan(benchmark::State& state, const QString& folder, int expected) {
    QTemporaryDir programFolder;
    platform::ManualClock clock(QDateTime(QDate(2026, 12, 6), QTime(20, 0)));
    UiHost ui;
    int found = 0;
    for (auto _ : state) {
        ProgramEnvironment environment{programFolder.path(), &clock, &ui, 1};
        Program program(environment);
        program.settings.setQuake3Dir(folder);
        program.game.currentGame = QStringLiteral("quake3");
        program.game.currentModKey = QStringLiteral("quake3");
        MapBrowser browser(program.browserServices());
        browser.open();
        browser.selectNode(browser.tree().nodeWithKey(QStringLiteral("Q3A")));
        found = browser.rows().rowCount();
        const MapRecord& last = browser.rows().row(found - 1);
        if (!last.fullname.startsWith(QLatin1String("Scan Arena")))
            state.SkipWithError("a title was not found");
    }
    if (found != expected)
        state.SkipWithError("the scan did not find every map");
    state.SetItemsProcessed(state.iterations() * expected);
}

void BM_ScanAllBig(benchmark::State& state) {
    scan(state, gRoot + QStringLiteral("/big"), kBig.maps);
}
void BM_ScanAllSmall(benchmark::State& state) {
    scan(state, gRoot + QStringLiteral("/small"), kSmall.maps);
}

// `unzip -l` over every archive of a folder, one process for all (unzip
// expands the wildcard itself).
void unzipList(benchmark::State& state, const QString& folder) {
    if (gUnzip.isEmpty()) {
        state.SkipWithError("unzip is not installed (scripts/setup.sh installs it)");
        return;
    }
    bench::timeProcess(state, gUnzip,
                       {QStringLiteral("-l"), gRoot + folder + QStringLiteral("/baseq3/*.pk3")});
}

// The same scan as a whole fennick-cli process, start-up and printing
// included, over a program folder whose config.cfg names the folder.
void cliScan(benchmark::State& state, const QString& folder) {
    if (gCli.isEmpty()) {
        state.SkipWithError("fennick-cli was not built beside this program");
        return;
    }
    bench::timeProcess(state, gCli,
                       {QStringLiteral("maps"), QStringLiteral("All"),
                        QStringLiteral("--program-folder"),
                        gRoot + QStringLiteral("/cli") + folder});
}

bool makeCliFolder(const QString& folder) {
    const QString programFolder = gRoot + QStringLiteral("/cli") + folder;
    QDir().mkpath(programFolder);
    QFile config(programFolder + QStringLiteral("/config.cfg"));
    if (!config.open(QIODevice::WriteOnly))
        return false;
    config.write("\"\",0\r\n\"\",0\r\n\"" + QFile::encodeName(gRoot + folder) +
                 "\",0\r\n\"1\"\r\n\"10\"\r\n\"5\"\r\n\"Default OpenGL\"\r\n0,\"\"\r\n0\r\n");
    return true;
}

void BM_UnzipListBig(benchmark::State& state) {
    unzipList(state, QStringLiteral("/big"));
}
void BM_UnzipListSmall(benchmark::State& state) {
    unzipList(state, QStringLiteral("/small"));
}
void BM_CliScanAllBig(benchmark::State& state) {
    cliScan(state, QStringLiteral("/big"));
}
void BM_CliScanAllSmall(benchmark::State& state) {
    cliScan(state, QStringLiteral("/small"));
}

// Wall times, and processor times beside them: on a busy machine the wall
// time of a run depends on how often it is put aside for other work.
void report(const bench::MedianTimes& times) {
    using bench::millisecondsText;
    using bench::ratioText;
    const struct {
        const char* shape;
        const char* size;
        const char* goal;
    } rows[] = {{"Big", "20 archives, 2,000 maps", "at most 1.2"},
                {"Small", "9 archives, 100 maps", "at most 0.6"}};
    std::printf("Scan of \"All\" against `unzip -l` over the same archives (medians):\n");
    for (const auto& row : rows) {
        const std::string shape = row.shape;
        const double scan = times.seconds("BM_ScanAll" + shape);
        const double unzip = times.seconds("BM_UnzipList" + shape);
        const double cli = times.seconds("BM_CliScanAll" + shape);
        const double scanCpu = times.cpuSeconds("BM_ScanAll" + shape) * 1000.0;
        const double unzipCpu = times.counter("BM_UnzipList" + shape, "cpu_ms");
        const double cliCpu = times.counter("BM_CliScanAll" + shape, "cpu_ms");
        std::printf("  %s: scan %s, unzip -l %s: ratio %s (%s); processor time ratio %s\n",
                    row.size, millisecondsText(scan).c_str(), millisecondsText(unzip).c_str(),
                    ratioText(scan, unzip).c_str(), row.goal, ratioText(scanCpu, unzipCpu).c_str());
        std::printf("  %s as whole processes: fennick-cli maps All %s: ratio %s; processor time "
                    "ratio %s\n",
                    row.size, millisecondsText(cli).c_str(), ratioText(cli, unzip).c_str(),
                    ratioText(cliCpu, unzipCpu).c_str());
    }
    if (gUnzip.isEmpty())
        std::printf("  (unzip is not installed: scripts/setup.sh installs it)\n");
}

} // namespace

BENCHMARK(BM_ScanAllBig)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanAllSmall)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnzipListBig)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnzipListSmall)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CliScanAllBig)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CliScanAllSmall)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    gUnzip = bench::programOnPath(QStringLiteral("unzip"));
    gCli = bench::programBeside(argv[0], QStringLiteral("fennick-cli"));
    return runOverArchives(
        argc, argv,
        [](const QString& folder) {
            gRoot = folder;
            return makeFolder(gRoot + QStringLiteral("/big"), kBig) &&
                   makeFolder(gRoot + QStringLiteral("/small"), kSmall) &&
                   makeCliFolder(QStringLiteral("/big")) && makeCliFolder(QStringLiteral("/small"));
        },
        [](const QString&, const bench::MedianTimes& times) { report(times); });
}
