#pragma once

#include "maps/map_record.h"

#include <QAbstractTableModel>
#include <QVector>

namespace fennick {

// One column of the map list: its key, caption and width in pixels.
struct MapColumn {
    const char* key;
    const char* caption;
    int width;
};

// The rows of the shown group, as the list view shows them: each row is a
// copy of a record, its cells the texts the column table gives. Columns
// are found by key, never by position. The sort role gives the numbers of
// "Times Played" and "Added" as numbers and every other cell as its text
// without regard to letter case. "Added" shows as a local date and time.
class MapRows : public QAbstractTableModel {
    Q_OBJECT
public:
    static const QVector<MapColumn>& columns();
    // The column of a key, -1 for none.
    static int ColumnIndex(const QString& key);
    // The text a record shows in a column.
    static QString cellText(const MapRecord& record, const QString& key);
    static constexpr int SortRole = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void clear();
    void append(const MapRecord& record);
    // Replaces every row at once (one reset, not a signal per row).
    void assign(QVector<MapRecord> rows);
    void reserve(int rows) { rows_.reserve(rows); }
    // Rewrites the first row whose name is the record's; false when none is.
    bool update(const MapRecord& record);
    const MapRecord& row(int index) const { return rows_[index]; }
    // The first row whose name is `name`, -1 for none.
    int rowOf(const QString& name) const;

private:
    static QString textOf(const MapRecord& record, QLatin1String key);

    QVector<MapRecord> rows_;
};

} // namespace fennick
