#include "console/split_words.h"

#include "common/trim_spaces.h"

#include <algorithm>

namespace fennick {

namespace {

void store(WordList& words, int index, const QString& word) {
    if (index >= 0 && index < WordList::kCapacity)
        words[index] = word;
}

} // namespace

// The word being read is always one run of the line, line[begin, p): it is
// cut out when it is stored rather than built a character at a time.
void SplitWords(const QString& line, WordList& words) {
    for (QString& w : words.words)
        w.clear();
    const qsizetype length = line.size();
    const QChar space(QLatin1Char(' '));
    const QChar quote(QLatin1Char('"'));
    const auto run = [&line, length](qsizetype begin, qsizetype end) {
        end = std::min(end, length);
        return begin < end ? line.mid(begin, end - begin) : QString();
    };
    qsizetype p = 0;
    qsizetype begin = 0;
    int index = 0;

    while (p < length) {
        if (line[p] == space) {
            const QString current = run(begin, p);
            store(words, index, current);
            if (index == 0 && current.toLower() == QLatin1String("addbutton")) {
                store(words, 1, trimSpaces(line.mid(p)));
                return;
            }
            ++index;
            if (p < length - 1)
                ++p;
            begin = p;
            if (line[p] == quote) {
                qsizetype close = line.indexOf(quote, p + 1);
                if (close < 0)
                    close = length;
                store(words, index, line.mid(p + 1, close - p - 1));
                ++index;
                if (p < length - 1)
                    p = close + 1;
                begin = p;
            }
        }
        ++p; // the character at p, if any, joins the word
    }
    const QString current = run(begin, p);
    if (!current.isEmpty() && current != QString(quote))
        store(words, index, current);
}

} // namespace fennick
