#include "maps/map_rows.h"

#include "common/number_text.h"
#include "common/shown_text.h"

namespace fennick {

const QVector<MapColumn>& MapRows::columns() {
    static const QVector<MapColumn> table = {
        {"name", "Name", 110}, {"fullname", "Fullname", 190},       {"mod", "Mod", 60},
        {"pak", "pak", 90},    {"timesplayed", "Times Played", 80}, {"addtime", "Added", 70},
    };
    return table;
}

QString MapRows::cellText(const MapRecord& r, const QString& key) {
    return textOf(r, QLatin1String(key.toLatin1()));
}

// The cell text by the column table's own key, without building a QString
// for it: the view's sort asks for thousands of cells.
QString MapRows::textOf(const MapRecord& r, QLatin1String key) {
    if (key == QLatin1String("name"))
        return r.name;
    if (key == QLatin1String("fullname"))
        return r.fullname;
    if (key == QLatin1String("mod"))
        return r.mod;
    if (key == QLatin1String("pak"))
        return r.pak;
    if (key == QLatin1String("timesplayed"))
        return QString::number(r.timesplayed);
    if (key == QLatin1String("addtime"))
        return formatFiveDotTwo(double(r.addtime));
    return {};
}

QVariant MapRows::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size() || index.column() >= columns().size())
        return {};
    const MapRecord& record = rows_[index.row()];
    const QLatin1String key(columns()[index.column()].key);
    if (role == SortRole) {
        if (key == QLatin1String("timesplayed"))
            return int(record.timesplayed);
        if (key == QLatin1String("addtime"))
            return double(record.addtime);
        return textOf(record, key).toCaseFolded(); // "Arena" and "arena" side by side
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    if (key == QLatin1String("addtime"))
        return shownDate(record.addtime);
    return textOf(record, key);
}

} // namespace fennick
