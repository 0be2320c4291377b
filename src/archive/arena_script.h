#pragma once

#include "archive/map_titles.h"

#include <QString>
#include <QStringList>
#include <QVarLengthArray>
#include <QVector>

namespace fennick {

// A map name made ready once for a search through many scripts.
class ArenaQuery {
public:
    explicit ArenaQuery(const QString& map);

private:
    friend class ArenaScript;
    QString map_;
    QString folded_;
    // Folding kept the name's length and it holds no line break: it is
    // searched in the folded text, else compared line by line.
    bool plain_ = true;
    // A hash of each run of three letters of folded_.
    QVarLengthArray<quint32, 32> triples_;
};

// An arena script read once and searched for many maps: the same answer as
// titleInArenaScript over its lines, found in the whole script (its letters
// folded once) instead of by a case-insensitive comparison per line. A scan
// asks every archive's script for every map, so the script keeps an index of
// where each run of three letters stands: a search looks only at the places
// of the rarest run of its name, and a script that lacks one of them is
// answered without looking at all.
class ArenaScript {
public:
    // The script's text; its lines end with CR LF, LF or CR.
    explicit ArenaScript(const QString& text);
    explicit ArenaScript(const QStringList& lines);

    ArenaEntry find(const ArenaQuery& query) const;
    ArenaEntry find(const QString& map) const { return find(ArenaQuery(map)); }

private:
    void addLine(QStringView line);
    void buildIndex();
    QString lineText(int line) const;
    QStringList lines() const;
    int lineAt(qsizetype position) const;
    // The first place of a folded name in folded_, or -1.
    qsizetype firstPlace(const ArenaQuery& query) const;

    QString joined_;                // the lines, each ended by "\n"
    QString folded_;                // joined_ case-folded
    QVector<qsizetype> lineStarts_; // where each line starts in joined_
    QVector<int> longNameLines_;    // lines beginning with "longname", in order
    bool foldKeepsPlaces_ = true;   // folding kept every line's length
    // Every place in folded_ where three letters start, grouped by a hash of
    // the three: bucket b holds places_[firsts_[b]] up to places_[firsts_[b
    // + 1]], in ascending order.
    int hashShift_ = 32;
    QVector<quint32> firsts_;
    QVector<quint32> places_;
};

// A text folded as toCaseFolded() folds it, quickly when it is plain ASCII.
QString foldedText(const QString& text);

} // namespace fennick
