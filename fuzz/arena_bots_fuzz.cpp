// Feeds arbitrary text to the readers of the archives' scripts: the arena
// script ("arenas.txt", searched for map titles), the bot script
// ("bots.txt") and a mod's "maps.lst". Besides crashes and sanitizer
// reports it checks that the arena script read once and searched many
// times answers as the line-by-line search does, for the first line and
// for every quoted text of the script taken as a map name.
#include "archive/arena_script.h"
#include "archive/bot_loader.h"
#include "archive/map_titles.h"
#include "fuzz_support.h"
#include "platform/text_file.h"

using namespace fennick;

namespace {

QStringList mapNames(const QStringList& lines) {
    QStringList names{lines.value(0).trimmed()};
    for (const QString& line : lines) {
        const qsizetype open = line.indexOf(QLatin1Char('"'));
        const qsizetype close = open < 0 ? -1 : line.indexOf(QLatin1Char('"'), open + 1);
        if (close > open)
            names.append(line.mid(open + 1, close - open - 1));
        if (names.size() >= 16)
            break;
    }
    return names;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QStringList lines = platform::splitLines(fuzz::textOf(data, size));
    const ArenaScript script(lines);
    for (const QString& map : mapNames(lines)) {
        const ArenaEntry once = script.find(map);
        const ArenaEntry each = titleInArenaScript(lines, map);
        if (once.named != each.named || once.title != each.title)
            fuzz::fail("arena_bots", "arena script answers otherwise for", map);
        (void)titleInMapsList(lines, map);
    }
    for (const QString& line : lines)
        (void)botNameOfLine(line);
    return 0;
}
