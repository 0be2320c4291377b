#pragma once

#include "archive/map_titles.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <bitset>

namespace fennick {

// An arena script read once and searched for many maps: the same answer as
// titleInArenaScript, found through one search of the whole script (its
// letters folded once) instead of a case-insensitive comparison per line.
// A scan asks every archive's script for every map, and most scripts do not
// name it: a map with a run of three letters that appears nowhere in the
// script is answered without searching.
class ArenaScript {
public:
    explicit ArenaScript(const QStringList& lines);

    ArenaEntry find(const QString& map) const;

private:
    int lineAt(qsizetype position) const;
    bool mayHold(const QString& folded) const;

    QString folded_;                // the lines, case-folded, joined by "\n"
    QVector<qsizetype> lineStarts_; // where each line starts in folded_
    QStringList lines_;
    QVector<int> longNameLines_;  // lines beginning with "longname", in order
    bool foldKeepsPlaces_ = true; // folding kept every line's length
    std::bitset<65536> triples_;  // hashes of every three letters of folded_
};

} // namespace fennick
