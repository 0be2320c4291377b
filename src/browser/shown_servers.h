#pragma once

#include <QSortFilterProxyModel>

namespace fennick {

class ServerRows;

// The rows the server list shows, in the order it shows them: those that
// pass the filter, and the chosen server's row whatever the filter says,
// so a server that stops passing while chosen stays in view until another
// is chosen. The sort compares the cell texts, as the list always has,
// from the texts the rows keep for the sorted column.
class ShownServers : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit ShownServers(ServerRows& rows, QObject* parent = nullptr);

    // The chosen server's address: its row is shown while it is chosen.
    void keep(const QString& ip);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    // The kept cell texts compared (the sort role's texts), without going
    // through the model's variants.
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    ServerRows& rows_;
    QString kept_;
};

} // namespace fennick
