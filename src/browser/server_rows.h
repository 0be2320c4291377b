#pragma once

#include "browser/server_filter.h"
#include "browser/server_record.h"

#include "common/record_rows.h"

#include <QVector>

namespace fennick {

// One column of the server list: its key, caption and width in twips.
struct ServerColumn {
    const char* key;
    const char* caption;
    int widthTwips;
};

// The rows of the shown group (see RecordRows), a row for each address.
//
// The cell texts (cellText) are what the list sorts by (SortRole) and an
// edit starts from. What is shown differs: server texts as UTF-8 when they
// are, without their colour codes (the name is drawn in its colours from
// ColouredRole), and "Added" as a local date and time. The sort texts are
// kept for the column last sorted by, so a sort of many rows does not
// format a number at every comparison.
class ServerRows : public RecordRows<ServerRows, ServerRecord> {
    Q_OBJECT
public:
    static const QVector<ServerColumn>& columns();
    static const QString& keyOf(const ServerRecord& record) { return record.ip; }
    // A row shows a record of its address and group.
    static bool sameRow(const ServerRecord& row, const ServerRecord& record) {
        return row.ip == record.ip && row.group == record.group;
    }
    // The cell text of a record in a column.
    static QString cellText(const ServerRecord& record, const QString& key);
    // The same by column position, without looking up a key.
    static QString cellTextAt(const ServerRecord& record, int column);
    // The text a record shows in a column.
    static QString shownText(const ServerRecord& record, const QString& key);
    static constexpr int SortRole = Qt::UserRole + 1;
    static constexpr int ColouredRole = Qt::UserRole + 2; // the name, codes kept

    using RecordRows::RecordRows;

    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // An edited name is not stored here: nameEdited hands it to the browser.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Every row is held against the filter as it comes or changes. Rows
    // that fail stay here (the chosen server may still be shown); the
    // view leaves them out.
    void setFilter(const ServerFilter& filter);
    const ServerFilter& filter() const { return filter_; }
    bool passes(int index) const { return passes_[index]; }
    int passingCount() const { return passing_; }

    // A row's cell text in a column, what the list sorts by: the texts of
    // the column last asked for are kept, so a sort formats each cell once.
    const QString& sortText(int row, int column) const;

Q_SIGNALS:
    // The user edited a row's name in place.
    void nameEdited(const QString& ip, const QString& name);
    // Another filter: which rows pass was worked out again.
    void filterChanged();

private:
    friend class RecordRows<ServerRows, ServerRecord>;
    void rowsAssigned();
    void rowAppended(int at);
    void rowChanged(int at);
    void filterAll();

    // The texts of one column, row by row, for the sort; empty until asked.
    mutable QVector<QString> sortTexts_;
    mutable int sortColumn_ = -1;
    QVector<bool> passes_; // beside rows_
    int passing_ = 0;
    ServerFilter filter_;
};

} // namespace fennick
