#include "browser/server_rows.h"
#include "browser/shown_servers.h"
#include "maps/map_rows.h"
#include "support/qt_print.h"

#include <QAbstractItemModelTester>
#include <array>
#include <gtest/gtest.h>

namespace fennick {
namespace {

using Tester = QAbstractItemModelTester;

ServerRecord server(const char* ip, qint16 ping) {
    ServerRecord record;
    record.ip = QLatin1String(ip);
    record.group = QStringLiteral("Quake 3 Arena\\Recent");
    record.ping = ping;
    return record;
}

MapRecord map(const char* name, qint16 played) {
    return {QLatin1String(name), {}, {}, {}, played, QStringLiteral("Quake 3 Arena\\All"), 0};
}

// Every change the browsers make, with Qt's model checks on the rows and on
// the sorted view over them (a broken signal ends the program); the sorted
// view follows a rewritten row to its new place.
template <typename Rows, typename Proxy, typename Record>
void checkRows(const std::array<Record, 4>& records, const QString& sortKey,
               const Record& sortedFirst) {
    Rows rows;
    Proxy sorted(rows);
    const Tester rowsTester(&rows, Tester::FailureReportingMode::Fatal);
    const Tester sortedTester(&sorted, Tester::FailureReportingMode::Fatal);
    sorted.sort(Rows::ColumnIndex(sortKey));

    rows.assign({records[0], records[1]});
    rows.append(records[2]);
    EXPECT_EQ(rows.rowCount(), 3);
    EXPECT_EQ(rows.rowOf(Rows::keyOf(records[2])), 2);
    EXPECT_TRUE(rows.update(records[3])); // records[0] under another value
    EXPECT_FALSE(rows.update(Record{}));
    EXPECT_EQ(rows.row(sorted.mapToSource(sorted.index(0, 0)).row()), sortedFirst);
    EXPECT_EQ(rows.headerData(0, Qt::Horizontal, Qt::DisplayRole), QStringLiteral("Name"));
    rows.clear();
    EXPECT_EQ(sorted.rowCount(), 0);
}

struct SortedMaps : QSortFilterProxyModel {
    explicit SortedMaps(MapRows& rows) {
        setSourceModel(&rows);
        setSortRole(MapRows::SortRole);
    }
};

TEST(RecordRows, ServerAndMapRowsKeepTheModelRules) {
    checkRows<ServerRows, ShownServers>({server("1.1.1.1:1", 50), server("2.2.2.2:2", 20),
                                         server("3.3.3.3:3", 30), server("1.1.1.1:1", 5)},
                                        QStringLiteral("ping"), server("1.1.1.1:1", 5));
    checkRows<MapRows, SortedMaps>(
        {map("q3dm1", 9), map("q3dm2", 2), map("q3dm3", 3), map("q3dm1", 1)},
        QStringLiteral("timesplayed"), map("q3dm1", 1));
}

} // namespace
} // namespace fennick
