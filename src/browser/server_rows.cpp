#include "browser/server_rows.h"

#include "buttons/coloured_text.h"
#include "common/number_text.h"
#include "common/shown_text.h"

#include <iterator>

namespace fennick {

const QVector<ServerColumn>& ServerRows::columns() {
    static const QVector<ServerColumn> table = {
        {"hostname", "Name", 2540},
        {"ping", "Ping", 970},
        {"map", "Map", 1411},
        {"mod", "Mod", 882},
        {"players", "Players", 1235},
        {"timelimit", "TimeLimit", 794},
        {"fraglimit", "FragLimit", 794},
        {"capturelimit", "Capturelimit", 706},
        {"gametype", "GameType", 1764},
        {"motd", "MOTD", 2540},
        {"playernames", "PlayerNames", 2540},
        {"ip", "Adress", 2117},
        {"lastupdate", "LastUpdate", 441},
        {"addtime", "Added", 88},
    };
    return table;
}

QString ServerRows::cellText(const ServerRecord& record, const QString& key) {
    return cellTextAt(record, ColumnIndex(key));
}

// The cells in column order, so a sort or a redraw finds a cell without
// looking up its key.
QString ServerRows::cellTextAt(const ServerRecord& r, int column) {
    using Cell = QString (*)(const ServerRecord&);
    static const Cell cells[] = {
        [](const ServerRecord& s) { return s.hostname; },
        [](const ServerRecord& s) { return formatThreeDigits(s.ping); },
        [](const ServerRecord& s) { return s.map; },
        [](const ServerRecord& s) { return s.mod; },
        [](const ServerRecord& s) {
            return QString::number(s.players) + QLatin1Char('/') + QString::number(s.maxclients);
        },
        [](const ServerRecord& s) { return QString::number(s.timelimit); },
        [](const ServerRecord& s) { return QString::number(s.fraglimit); },
        [](const ServerRecord& s) { return QString::number(s.capturelimit); },
        [](const ServerRecord& s) { return s.gametype; },
        [](const ServerRecord& s) { return s.motd; },
        [](const ServerRecord& s) { return s.playernames; },
        [](const ServerRecord& s) { return s.ip; },
        [](const ServerRecord& s) { return shortestDecimal(float(s.lastupdate)); },
        [](const ServerRecord& s) { return formatFiveDotTwo(s.addtime); },
    };
    static_assert(std::size(cells) == 14);
    return column >= 0 && column < int(std::size(cells)) ? cells[column](r) : QString();
}

QString ServerRows::shownText(const ServerRecord& record, const QString& key) {
    if (key == QLatin1String("addtime"))
        return shownDate(record.addtime);
    return visibleCharacters(tidyColourCodes(shownServerText(cellText(record, key))));
}

QVariant ServerRows::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size() || index.column() >= columns().size())
        return {};
    const ServerRecord& record = rows_[index.row()];
    const QString key = QLatin1String(columns()[index.column()].key);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return shownText(record, key);
    case Qt::EditRole:
        return cellTextAt(record, index.column());
    case SortRole:
        return sortText(index.row(), index.column());
    case ColouredRole:
        return key == QLatin1String("hostname")
                   ? QVariant(tidyColourCodes(shownServerText(record.hostname)))
                   : QVariant();
    default:
        return {};
    }
}

const QString& ServerRows::sortText(int row, int column) const {
    if (sortColumn_ != column || sortTexts_.size() != rows_.size()) {
        sortColumn_ = column;
        sortTexts_.resize(rows_.size());
        for (int i = 0; i < rows_.size(); ++i)
            sortTexts_[i] = cellTextAt(rows_[i], column);
    }
    return sortTexts_[row];
}

// The name cell can be edited in place.
Qt::ItemFlags ServerRows::flags(const QModelIndex& index) const {
    Qt::ItemFlags result = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == ColumnIndex(QStringLiteral("hostname")))
        result |= Qt::ItemIsEditable;
    return result;
}

bool ServerRows::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rows_.size())
        return false;
    // The browser stores the new name and rewrites the row.
    Q_EMIT nameEdited(rows_[index.row()].ip, value.toString());
    return true;
}

// The sort texts are made again when asked for; which rows pass is worked
// out at once.
void ServerRows::rowsAssigned() {
    sortTexts_.clear();
    passes_.resize(rows_.size());
    filterAll();
}

void ServerRows::rowAppended(int at) {
    if (sortTexts_.size() == at && sortColumn_ >= 0)
        sortTexts_.append(cellTextAt(rows_[at], sortColumn_));
    passes_.append(filter_.passes(rows_[at]));
    passing_ += passes_.constLast();
}

void ServerRows::rowChanged(int at) {
    if (at < sortTexts_.size())
        sortTexts_[at] = cellTextAt(rows_[at], sortColumn_);
    const bool passing = filter_.passes(rows_[at]);
    passing_ += int(passing) - int(passes_[at]);
    passes_[at] = passing;
}

void ServerRows::setFilter(const ServerFilter& filter) {
    filter_ = filter;
    filterAll();
    Q_EMIT filterChanged();
}

void ServerRows::filterAll() {
    passing_ = 0;
    for (int i = 0; i < rows_.size(); ++i) {
        passes_[i] = filter_.passes(rows_[i]);
        passing_ += passes_[i];
    }
}

} // namespace fennick
