#include "archive/arena_script.h"

#include <algorithm>
#include <cstdint>

namespace fennick {

namespace {

const QLatin1String kLongName("longname");
constexpr int kSmallestHashBits = 6;
constexpr int kLargestHashBits = 24;

const char16_t* lettersOf(const QString& text) {
    return reinterpret_cast<const char16_t*>(text.constData());
}

std::uint32_t mixedTriple(const char16_t* letters) {
    return std::uint32_t(letters[0]) * 0x9E3779B1u ^ std::uint32_t(letters[1]) * 0x85EBCA77u ^
           std::uint32_t(letters[2]) * 0xC2B2AE3Du;
}

// About one bucket for every two places: few places to look at per bucket,
// and an index far smaller than the script's text.
int hashBitsFor(qsizetype places) {
    int bits = kSmallestHashBits;
    while (bits < kLargestHashBits && (qsizetype(1) << (bits + 1)) < places)
        ++bits;
    return bits;
}

} // namespace

QString foldedText(const QString& text) {
    const char16_t* letters = lettersOf(text);
    for (qsizetype i = 0; i < text.size(); ++i)
        if (letters[i] >= 0x80)
            return text.toCaseFolded();
    // ASCII folds only its capitals.
    QString folded(text.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(folded.data());
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = letters[i] >= u'A' && letters[i] <= u'Z' ? char16_t(letters[i] + 32) : letters[i];
    return folded;
}

// The lines as platform::splitLines cuts them: at CR LF, LF or CR, with no
// empty line after a final line end. Each line end becomes one "\n", and a
// last line without one gets it, so the joined text is at most one longer.
ArenaScript::ArenaScript(const QString& text) {
    const char16_t* in = lettersOf(text);
    const qsizetype n = text.size();
    joined_.resize(n + 1);
    char16_t* out = reinterpret_cast<char16_t*>(joined_.data());
    qsizetype length = 0;
    for (qsizetype i = 0; i < n;) {
        qsizetype end = i;
        while (end < n && in[end] != u'\n' && in[end] != u'\r')
            ++end;
        if (QStringView(in + i, end - i).startsWith(kLongName))
            longNameLines_.append(int(lineStarts_.size()));
        lineStarts_.append(length);
        std::copy(in + i, in + end, out + length);
        length += end - i;
        out[length++] = u'\n';
        if (end + 1 < n && in[end] == u'\r' && in[end + 1] == u'\n')
            ++end;
        i = end + 1;
    }
    joined_.truncate(length);
    buildIndex();
}

ArenaScript::ArenaScript(const QStringList& lines) {
    for (const QString& line : lines)
        addLine(line);
    buildIndex();
}

void ArenaScript::addLine(QStringView line) {
    if (line.startsWith(kLongName))
        longNameLines_.append(int(lineStarts_.size()));
    lineStarts_.append(joined_.size());
    joined_ += line;
    joined_ += QLatin1Char('\n');
}

void ArenaScript::buildIndex() {
    folded_ = foldedText(joined_);
    foldKeepsPlaces_ = folded_.size() == joined_.size();

    const qsizetype places = std::max<qsizetype>(folded_.size() - 2, 0);
    const int bits = hashBitsFor(places);
    hashShift_ = 32 - bits;
    firsts_.fill(0, (qsizetype(1) << bits) + 1);
    places_.resize(places);
    const char16_t* letters = lettersOf(folded_);
    const int shift = hashShift_;
    quint32* firsts = firsts_.data();
    for (qsizetype at = 0; at < places; ++at)
        ++firsts[(mixedTriple(letters + at) >> shift) + 1];
    for (qsizetype b = 1; b < firsts_.size(); ++b)
        firsts[b] += firsts[b - 1];
    // Filled in ascending order of place, so each bucket is sorted.
    QVector<quint32> next(firsts_.cbegin(), firsts_.cend() - 1);
    quint32* fill = next.data();
    quint32* out = places_.data();
    for (qsizetype at = 0; at < places; ++at)
        out[fill[mixedTriple(letters + at) >> shift]++] = quint32(at);
}

QString ArenaScript::lineText(int line) const {
    const qsizetype start = lineStarts_[line];
    const qsizetype end = line + 1 < lineStarts_.size() ? lineStarts_[line + 1] : joined_.size();
    return joined_.mid(start, end - start - 1);
}

QStringList ArenaScript::lines() const {
    QStringList lines;
    lines.reserve(lineStarts_.size());
    for (int i = 0; i < lineStarts_.size(); ++i)
        lines.append(lineText(i));
    return lines;
}

ArenaQuery::ArenaQuery(const QString& map) : map_(map), folded_(foldedText(map)) {
    plain_ = folded_.size() == map.size() && !map.contains(QLatin1Char('\n'));
    for (qsizetype at = 0; at + 3 <= folded_.size(); ++at)
        triples_.append(mixedTriple(lettersOf(folded_) + at));
}

// The places of the name's rarest run of three letters, in ascending order,
// are the only places where the name can start (less the run's offset in
// it); the first that holds the whole name is its first place.
qsizetype ArenaScript::firstPlace(const ArenaQuery& query) const {
    const QString& folded = query.folded_;
    if (folded.size() < 3)
        return folded_.indexOf(folded);
    qsizetype offset = 0;
    quint32 rarest = 0;
    quint32 fewest = UINT32_MAX;
    for (qsizetype at = 0; at < query.triples_.size(); ++at) {
        const quint32 bucket = query.triples_[at] >> hashShift_;
        const quint32 count = firsts_[bucket + 1] - firsts_[bucket];
        if (count < fewest) {
            if (count == 0)
                return -1;
            fewest = count;
            rarest = bucket;
            offset = at;
        }
    }
    const QStringView name(folded);
    for (quint32 i = firsts_[rarest]; i < firsts_[rarest + 1]; ++i) {
        const qsizetype start = qsizetype(places_[i]) - offset;
        if (start >= 0 && start + folded.size() <= folded_.size() &&
            QStringView(folded_).sliced(start, folded.size()) == name)
            return start;
    }
    return -1;
}

int ArenaScript::lineAt(qsizetype position) const {
    const auto after = std::upper_bound(lineStarts_.cbegin(), lineStarts_.cend(), position);
    return int(after - lineStarts_.cbegin()) - 1;
}

// A map name holds no line break, so its first place in the joined script
// lies inside the first line that names it. Folding keeps each line's
// length, so places in the folded text are places in the lines.
ArenaEntry ArenaScript::find(const ArenaQuery& query) const {
    ArenaEntry entry;
    if (!foldKeepsPlaces_ || !query.plain_ || lineStarts_.isEmpty())
        return titleInArenaScript(lines(), query.map_); // unusual letters: line by line
    const qsizetype at = firstPlace(query);
    if (at < 0)
        return entry;
    entry.named = true;
    const int line = lineAt(at);
    const auto next = std::upper_bound(longNameLines_.cbegin(), longNameLines_.cend(), line);
    if (next != longNameLines_.cend())
        entry.title = arenaLongName(lineText(*next));
    return entry;
}

} // namespace fennick
