#include "browser/server_rows.h"

#include "buttons/coloured_text.h"
#include "common/number_text.h"
#include "common/shown_text.h"

#include <QHash>

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

int ServerRows::ColumnIndex(const QString& key) {
    const QVector<ServerColumn>& table = columns();
    for (int i = 0; i < table.size(); ++i)
        if (key == QLatin1String(table[i].key))
            return i;
    return -1;
}

QString ServerRows::cellText(const ServerRecord& r, const QString& key) {
    using Cell = QString (*)(const ServerRecord&);
    static const QHash<QString, Cell> cells = {
        {QStringLiteral("hostname"), [](const ServerRecord& s) { return s.hostname; }},
        {QStringLiteral("ping"), [](const ServerRecord& s) { return formatThreeDigits(s.ping); }},
        {QStringLiteral("map"), [](const ServerRecord& s) { return s.map; }},
        {QStringLiteral("mod"), [](const ServerRecord& s) { return s.mod; }},
        {QStringLiteral("players"),
         [](const ServerRecord& s) {
             return QString::number(s.players) + QLatin1Char('/') + QString::number(s.maxclients);
         }},
        {QStringLiteral("timelimit"),
         [](const ServerRecord& s) { return QString::number(s.timelimit); }},
        {QStringLiteral("fraglimit"),
         [](const ServerRecord& s) { return QString::number(s.fraglimit); }},
        {QStringLiteral("capturelimit"),
         [](const ServerRecord& s) { return QString::number(s.capturelimit); }},
        {QStringLiteral("gametype"), [](const ServerRecord& s) { return s.gametype; }},
        {QStringLiteral("motd"), [](const ServerRecord& s) { return s.motd; }},
        {QStringLiteral("playernames"), [](const ServerRecord& s) { return s.playernames; }},
        {QStringLiteral("ip"), [](const ServerRecord& s) { return s.ip; }},
        {QStringLiteral("lastupdate"),
         [](const ServerRecord& s) { return shortestDecimal(float(s.lastupdate)); }},
        {QStringLiteral("addtime"),
         [](const ServerRecord& s) { return formatFiveDotTwo(s.addtime); }},
    };
    const Cell cell = cells.value(key);
    return cell ? cell(r) : QString();
}

QString ServerRows::shownText(const ServerRecord& record, const QString& key) {
    if (key == QLatin1String("addtime"))
        return shownDate(record.addtime);
    return visibleCharacters(tidyColourCodes(shownServerText(cellText(record, key))));
}

int ServerRows::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int ServerRows::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(columns().size());
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
        return cellText(record, key);
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

QString ServerRows::columnText(int row, int column) const {
    return cellText(rows_[row], QLatin1String(columns()[column].key));
}

const QString& ServerRows::sortText(int row, int column) const {
    if (sortColumn_ != column || sortTexts_.size() != rows_.size()) {
        sortColumn_ = column;
        sortTexts_.resize(rows_.size());
        for (int i = 0; i < rows_.size(); ++i)
            sortTexts_[i] = columnText(i, column);
    }
    return sortTexts_[row];
}

QVariant ServerRows::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columns().size())
        return {};
    return QString::fromLatin1(columns()[section].caption);
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

void ServerRows::clear() {
    assign({});
}

void ServerRows::assign(QVector<ServerRecord> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    sortTexts_.clear();
    endResetModel();
}

void ServerRows::append(const ServerRecord& record) {
    const int at = int(rows_.size());
    beginInsertRows({}, at, at);
    rows_.append(record);
    if (sortTexts_.size() == at && sortColumn_ >= 0)
        sortTexts_.append(columnText(at, sortColumn_));
    endInsertRows();
}

bool ServerRows::update(const ServerRecord& record) {
    const int at = rowOf(record.ip);
    if (at < 0)
        return false;
    rows_[at] = record;
    if (at < sortTexts_.size())
        sortTexts_[at] = columnText(at, sortColumn_);
    Q_EMIT dataChanged(index(at, 0), index(at, columnCount() - 1));
    return true;
}

int ServerRows::rowOf(const QString& ip) const {
    for (int i = 0; i < rows_.size(); ++i)
        if (rows_[i].ip == ip)
            return i;
    return -1;
}

} // namespace fennick
