#pragma once

#include "console/cvar_record.h"

#include <QVector>

namespace fennick {

// The fast-info panel's entries: one per cvar that the last command-line
// rebuild placed and that carries an info text. For now the panel only
// keeps them; the main window's drawing plugs in later.
class FastInfo {
public:
    void clear();
    void addEntry(const CvarRecord& record);
    void redraw();

    const QVector<CvarRecord>& entries() const { return entries_; }
    int redrawCount() const { return redrawCount_; }

private:
    QVector<CvarRecord> entries_;
    int redrawCount_ = 0;
};

} // namespace fennick
