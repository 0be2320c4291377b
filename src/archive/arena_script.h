#pragma once

#include "archive/map_titles.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace fennick {

// An arena script read once and searched for many maps: the same answer as
// titleInArenaScript, found through one search of the whole script (its
// letters folded once) instead of a case-insensitive comparison per line.
class ArenaScript {
public:
    explicit ArenaScript(const QStringList& lines);

    ArenaEntry find(const QString& map) const;

private:
    int lineAt(qsizetype position) const;

    QString folded_;                // the lines, case-folded, joined by "\n"
    QVector<qsizetype> lineStarts_; // where each line starts in folded_
    QStringList lines_;
    QVector<int> longNameLines_;  // lines beginning with "longname", in order
    bool foldKeepsPlaces_ = true; // folding kept every line's length
};

} // namespace fennick
