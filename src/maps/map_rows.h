#pragma once

#include "common/record_rows.h"
#include "maps/map_record.h"

#include <QVector>

namespace fennick {

// One column of the map list: its key, caption and width in pixels.
struct MapColumn {
    const char* key;
    const char* caption;
    int width;
};

// The rows of the shown group (see RecordRows), a row for each map name.
// The sort role gives the numbers of "Times Played" and "Added" as numbers
// and every other cell as its text without regard to letter case. "Added"
// shows as a local date and time.
class MapRows : public RecordRows<MapRows, MapRecord> {
    Q_OBJECT
public:
    static const QVector<MapColumn>& columns();
    static const QString& keyOf(const MapRecord& record) { return record.name; }
    // The text a record shows in a column.
    static QString cellText(const MapRecord& record, const QString& key);
    static constexpr int SortRole = Qt::UserRole + 1;

    using RecordRows::RecordRows;

    QVariant data(const QModelIndex& index, int role) const override;

private:
    static QString textOf(const MapRecord& record, QLatin1String key);
};

} // namespace fennick
