#pragma once

#include <QAbstractTableModel>
#include <QVector>

namespace fennick {

// The rows of a browser's shown group, as its list view shows them: each row
// is a copy of a record from the browser's slot list, its columns those of
// the browser's column table (each with a `key` and a `caption`). Columns
// are found by key, never by position.
//
// `Rows` is the browser's own model (ServerRows, MapRows). It gives the
// column table (`columns()`) and a row's key (`keyOf(record)`: the address,
// the map name), and draws the cells (`data`). It may tell otherwise which
// row shows a record (`sameRow`), and follow the rows as they change
// through `rowsAssigned()`, `rowAppended(at)` and `rowChanged(at)`, which
// run before the views hear of the change.
template <typename Rows, typename Record> class RecordRows : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    // The column of a key, -1 for none.
    static int ColumnIndex(const QString& key) {
        const auto& table = Rows::columns();
        for (int i = 0; i < table.size(); ++i)
            if (key == QLatin1String(table[i].key))
                return i;
        return -1;
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(rows_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(Rows::columns().size());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
            section >= Rows::columns().size())
            return {};
        return QString::fromLatin1(Rows::columns()[section].caption);
    }

    void clear() { assign({}); }
    // Replaces every row at once (one reset, not a signal per row).
    void assign(QVector<Record> rows) {
        beginResetModel();
        rows_ = std::move(rows);
        self().rowsAssigned();
        endResetModel();
    }
    void append(const Record& record) {
        const int at = int(rows_.size());
        beginInsertRows({}, at, at);
        rows_.append(record);
        self().rowAppended(at);
        endInsertRows();
    }
    // Rewrites the first row showing the record; false when none does.
    bool update(const Record& record) {
        int at = 0;
        while (at < rows_.size() && !Rows::sameRow(rows_[at], record))
            ++at;
        if (at == rows_.size())
            return false;
        rows_[at] = record;
        self().rowChanged(at);
        Q_EMIT dataChanged(index(at, 0), index(at, columnCount() - 1));
        return true;
    }
    void reserve(int rows) { rows_.reserve(rows); }
    const Record& row(int index) const { return rows_[index]; }
    // The first row with this key, -1 for none.
    int rowOf(const QString& key) const {
        for (int i = 0; i < rows_.size(); ++i)
            if (Rows::keyOf(rows_[i]) == key)
                return i;
        return -1;
    }

protected:
    static bool sameRow(const Record& row, const Record& record) {
        return Rows::keyOf(row) == Rows::keyOf(record);
    }
    void rowsAssigned() {}
    void rowAppended(int) {}
    void rowChanged(int) {}

    QVector<Record> rows_;

private:
    Rows& self() { return static_cast<Rows&>(*this); }
};

} // namespace fennick
