#include "archive/arena_script.h"

#include <algorithm>
#include <cstdint>

namespace fennick {

namespace {

const QLatin1String kLongName("longname");

std::size_t tripleAt(const QString& text, qsizetype at) {
    const auto letter = [&](qsizetype i) { return std::uint32_t(text[at + i].unicode()); };
    const std::uint32_t mixed =
        letter(0) * 0x9E3779B1u ^ letter(1) * 0x85EBCA77u ^ letter(2) * 0xC2B2AE3Du;
    return std::size_t(mixed >> 16);
}

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
    for (qsizetype at = 0; at + 3 <= folded_.size(); ++at)
        triples_.set(tripleAt(folded_, at));
}

// False only when the text cannot occur in the script.
bool ArenaScript::mayHold(const QString& folded) const {
    for (qsizetype at = 0; at + 3 <= folded.size(); ++at)
        if (!triples_.test(tripleAt(folded, at)))
            return false;
    return true;
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
    if (!mayHold(folded))
        return entry;
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
