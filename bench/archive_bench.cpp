// Reading game content from a folder of .pk3 archives, as the map scan and
// the map browser do: listing the maps ("*.bsp") of 20 archives holding
// 5,000 members in all, and finding the titles of 100 maps in their arena
// scripts. The listing is meant to stay within 1.5 times the time of
// `unzip -l` over the same archives; run with --keep-archives=DIR to write
// them to DIR and time `unzip -l` there, for example
//   time unzip -l 'DIR/baseq3/*.pk3' '*.bsp' >/dev/null
#include "app/program.h"
#include "archive/content_folders.h"
#include "archive/map_titles.h"
#include "archive/zip_listing.h"
#include "archive_folder_main.h"
#include "core/ui_host.h"
#include "platform/clock.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>
#include <zip.h>

namespace {

using namespace fennick;

constexpr int kArchives = 20;
constexpr int kMembersPerArchive = 250;
constexpr int kMapsPerArchive = 10;

QString mapName(int archive, int map) {
    return QStringLiteral("bm%1_%2").arg(archive, 2, 10, QLatin1Char('0')).arg(map);
}

QByteArray arenaScript(int archive) {
    QByteArray text;
    for (int map = 0; map < kMapsPerArchive; ++map)
        text += "{\r\nmap \"" + mapName(archive, map).toUtf8() + "\"\r\nbots \"sarge\"\r\n" +
                "longname \"Bench Arena " + QByteArray::number(archive * 100 + map) +
                "\"\r\nfraglimit 20\r\n}\r\n";
    return text;
}

// The members of one archive: its maps, their level shots, an arena script
// and textures to make up the count.
std::vector<std::pair<QByteArray, QByteArray>> archiveMembers(int archive) {
    std::vector<std::pair<QByteArray, QByteArray>> members;
    for (int map = 0; map < kMapsPerArchive; ++map) {
        const QByteArray name = mapName(archive, map).toUtf8();
        members.emplace_back("maps/" + name + ".bsp", QByteArray(4000 + map, char('a' + map)));
        members.emplace_back("levelshots/" + name + ".jpg", QByteArray(900, char(map)));
    }
    members.emplace_back("scripts/arenas.txt", arenaScript(archive));
    for (int i = int(members.size()); i < kMembersPerArchive; ++i)
        members.emplace_back("textures/bench/wall" + QByteArray::number(i) + ".tga",
                             QByteArray(300, char(i)));
    return members;
}

// Writes one archive through libzip, a real ZIP writer.
bool writeArchive(const QString& path, int archive) {
    int error = 0;
    zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip)
        return false;
    const auto members = archiveMembers(archive);
    for (const auto& [name, data] : members) {
        zip_source_t* source =
            zip_source_buffer(zip, data.constData(), zip_uint64_t(data.size()), 0);
        if (!source || zip_file_add(zip, name.constData(), source, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(source);
            zip_discard(zip);
            return false;
        }
    }
    return zip_close(zip) == 0;
}

// The Quake III folder with its base folder of archives, made once.
class ArchiveFolder {
public:
    static ArchiveFolder& instance() {
        static ArchiveFolder folder;
        return folder;
    }
    bool make(const QString& root) {
        root_ = root;
        const QString base = root + QStringLiteral("/baseq3");
        QDir().mkpath(base);
        for (int archive = 0; archive < kArchives; ++archive)
            if (!writeArchive(
                    base + QStringLiteral("/pak%1.pk3").arg(archive, 2, 10, QLatin1Char('0')),
                    archive))
                return false;
        archives_ = pk3Archives(base);
        return archives_.size() == kArchives;
    }
    const QString& root() const { return root_; }
    const QStringList& archives() const { return archives_; }

private:
    QString root_;
    QStringList archives_;
};

void BM_ListMaps(benchmark::State& state) {
    const QStringList& archives = ArchiveFolder::instance().archives();
    qsizetype lines = 0;
    for (auto _ : state) {
        lines = 0;
        for (const QString& archive : archives)
            lines += ListZip(archive, QStringLiteral("*.bsp")).count(QLatin1Char('\n'));
        benchmark::DoNotOptimize(lines);
    }
    if (lines != kArchives * (kMapsPerArchive + 1))
        state.SkipWithError("the listing does not hold every map");
    state.SetItemsProcessed(state.iterations() * kArchives * kMembersPerArchive);
}

// 100 maps spread over the archives (every other map of each), looked up
// with an empty cache, as a list of maps shown for the first time.
void BM_MapTitles(benchmark::State& state) {
    QTemporaryDir programFolder;
    platform::ManualClock clock(QDateTime(QDate(2026, 12, 6), QTime(20, 0)));
    UiHost ui;
    ProgramEnvironment environment{programFolder.path(), &clock, &ui, 1};
    Program program(environment);
    program.settings.setQuake3Dir(ArchiveFolder::instance().root());
    program.game.currentGame = QStringLiteral("quake3");
    program.game.currentModKey = QStringLiteral("quake3");
    int found = 0;
    for (auto _ : state) {
        MapTitles titles(program.content);
        found = 0;
        for (int archive = 0; archive < kArchives; ++archive)
            for (int map = 0; map < kMapsPerArchive; map += 2)
                found +=
                    titles.GetMapTitle(mapName(archive, map)).startsWith(QLatin1String("Bench"));
    }
    if (found != 100)
        state.SkipWithError("not every title was found");
    state.SetItemsProcessed(state.iterations() * 100);
}

} // namespace

BENCHMARK(BM_ListMaps)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MapTitles)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return runOverArchives(
        argc, argv, [](const QString& folder) { return ArchiveFolder::instance().make(folder); });
}
