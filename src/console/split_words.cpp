#include "console/split_words.h"

namespace fennick {

namespace {

void store(WordList& words, int index, const QString& word) {
    if (index >= 0 && index < WordList::kCapacity)
        words[index] = word;
}

QString trimSpaces(const QString& text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == QLatin1Char(' '))
        ++start;
    while (end > start && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.mid(start, end - start);
}

} // namespace

void SplitWords(const QString& line, WordList& words) {
    for (QString& w : words.words)
        w.clear();
    const qsizetype length = line.size();
    const QChar space(QLatin1Char(' '));
    const QChar quote(QLatin1Char('"'));
    qsizetype p = 0;
    int index = 0;
    QString current;

    while (p < length) {
        if (line[p] == space) {
            store(words, index, current);
            if (index == 0 && current.toLower() == QLatin1String("addbutton")) {
                store(words, 1, trimSpaces(line.mid(p)));
                return;
            }
            ++index;
            current.clear();
            if (p < length - 1)
                ++p;
            if (line[p] == quote) {
                qsizetype close = line.indexOf(quote, p + 1);
                if (close < 0)
                    close = length;
                store(words, index, line.mid(p + 1, close - p - 1));
                ++index;
                current.clear();
                if (p < length - 1)
                    p = close + 1;
            }
        }
        if (p < length)
            current.append(line[p]);
        ++p;
    }
    if (!current.isEmpty() && current != QString(quote))
        store(words, index, current);
}

} // namespace fennick
