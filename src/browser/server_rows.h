#pragma once

#include "browser/server_filter.h"
#include "browser/server_record.h"

#include <QAbstractTableModel>
#include <QVector>

namespace fennick {

// One column of the server list: its key, caption and width in twips.
struct ServerColumn {
    const char* key;
    const char* caption;
    int widthTwips;
};

// The rows of the shown group, as the list view shows them: each row is a
// copy of a record, its cells the texts the column table gives. Columns
// are found by key, never by position.
class ServerRows : public QAbstractTableModel {
    Q_OBJECT
public:
    static const QVector<ServerColumn>& columns();
    // The column of a key, -1 for none.
    static int ColumnIndex(const QString& key);
    // The text a record shows in a column.
    static QString cellText(const ServerRecord& record, const QString& key);
    static QString cellTextAt(const ServerRecord& record, int column);

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // An edited name is not stored here: nameEdited hands it to the browser.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    void clear();
    void append(const ServerRecord& record);
    // Rewrites the first row showing this record (its address and group);
    // false when none does.
    bool update(const ServerRecord& record);
    const ServerRecord& row(int index) const { return rows_[index]; }
    // The first row whose address cell is `ip`, -1 for none.
    int rowOf(const QString& ip) const;

    // Every row is held against the filter as it comes or changes. Rows
    // that fail stay here (the chosen server may still be shown); the
    // view leaves them out.
    void setFilter(const ServerFilter& filter);
    const ServerFilter& filter() const { return filter_; }
    bool passes(int index) const { return passes_[index]; }
    int passingCount() const { return passing_; }

Q_SIGNALS:
    // The user edited a row's name in place.
    void nameEdited(const QString& ip, const QString& name);
    // Another filter: which rows pass was worked out again.
    void filterChanged();

private:
    QVector<ServerRecord> rows_;
    QVector<bool> passes_; // beside rows_
    int passing_ = 0;
    ServerFilter filter_;
};

} // namespace fennick
