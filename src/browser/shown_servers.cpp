#include "browser/shown_servers.h"

#include "browser/server_rows.h"

namespace fennick {

ShownServers::ShownServers(ServerRows& rows, QObject* parent)
    : QSortFilterProxyModel(parent), rows_(rows) {
    setSourceModel(&rows_);
    setSortRole(ServerRows::SortRole); // what lessThan compares
    connect(&rows_, &ServerRows::filterChanged, this, [this] { invalidateRowsFilter(); });
}

void ShownServers::keep(const QString& ip) {
    if (ip == kept_)
        return;
    kept_ = ip;
    // Without a filter every row is shown anyway.
    if (rows_.filter().active())
        invalidateRowsFilter();
}

bool ShownServers::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    return rows_.passes(sourceRow) || rows_.row(sourceRow).ip == kept_;
}

bool ShownServers::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const int column = left.column();
    return QString::compare(rows_.sortText(left.row(), column), rows_.sortText(right.row(), column),
                            sortCaseSensitivity()) < 0;
}

} // namespace fennick
