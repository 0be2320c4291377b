#include "archive/arena_script.h"

#include <algorithm>

namespace fennick {

namespace {

const QLatin1String kLongName("longname");

} // namespace

ArenaScript::ArenaScript(const QStringList& lines) : lines_(lines) {
    lineStarts_.reserve(lines.size());
    QString joined;
    for (int i = 0; i < lines.size(); ++i) {
        lineStarts_.append(joined.size());
        joined += lines[i];
        joined += QLatin1Char('\n');
        if (lines[i].startsWith(kLongName))
            longNameLines_.append(i);
    }
    folded_ = joined.toCaseFolded();
    foldKeepsPlaces_ = folded_.size() == joined.size();
}

int ArenaScript::lineAt(qsizetype position) const {
    const auto after = std::upper_bound(lineStarts_.cbegin(), lineStarts_.cend(), position);
    return int(after - lineStarts_.cbegin()) - 1;
}

// A map name holds no line break, so its first place in the joined script
// lies inside the first line that names it. Folding keeps each line's
// length, so places in the folded text are places in the lines.
ArenaEntry ArenaScript::find(const QString& map) const {
    ArenaEntry entry;
    const QString folded = map.toCaseFolded();
    if (!foldKeepsPlaces_ || folded.size() != map.size() || map.contains(QLatin1Char('\n')) ||
        lines_.isEmpty())
        return titleInArenaScript(lines_, map); // unusual letters: compare line by line
    const qsizetype at = folded_.indexOf(folded);
    if (at < 0)
        return entry;
    entry.named = true;
    const int line = lineAt(at);
    const auto next = std::upper_bound(longNameLines_.cbegin(), longNameLines_.cend(), line);
    if (next != longNameLines_.cend())
        entry.title = arenaLongName(lines_[*next]);
    return entry;
}

} // namespace fennick
