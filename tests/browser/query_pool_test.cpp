#include "browser/fake_server.h"
#include "browser/query_pool.h"
#include "platform/clock.h"
#include "support/qt_print.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace fennick {
namespace {

class QueryPoolTest : public ::testing::Test {
protected:
    platform::ManualClock clock{QDateTime(QDate(2026, 12, 7), QTime(12, 0))};
    QueryPool pool{3, clock, [] { return StatusContext{}; }, {}};
    test::FakeServer silent;
    test::FakeServer answering{
        [](const QByteArray&) { return QByteArray("\xff\xff\xff\xff\\sv_hostname\\Up"); }};
    const QString group = QStringLiteral("Quake 3 Arena\\Internet");
};

TEST_F(QueryPoolTest, AFifthQueryWaitsForAFreeSocket) {
    ASSERT_TRUE(silent.bound() && answering.bound());
    EXPECT_EQ(pool.size(), 4);
    for (qint16 i = 1; i <= 5; ++i)
        pool.enqueue(silent.address(), group, i);
    EXPECT_EQ(pool.findFree(), -1);
    EXPECT_EQ(pool.queued(), 1);
    EXPECT_EQ(pool.serverIndex(3), 4);

    // Two seconds without an answer give those queries up: the fifth and
    // sixth go out on the first sockets.
    QSignalSpy answered(&pool, &QueryPool::answered);
    clock.advance(2100);
    pool.enqueue(answering.address(), group, 6);
    EXPECT_EQ(pool.queued(), 0);
    EXPECT_EQ(pool.serverIndex(0), 5);
    EXPECT_EQ(pool.serverIndex(1), 6);
    for (qint16 i = 7; i <= 9; ++i)
        pool.enqueue(silent.address(), group, i);
    EXPECT_EQ(pool.queued(), 1);

    // An answer frees its socket at once for the next query.
    ASSERT_TRUE(answered.wait(3000));
    EXPECT_EQ(answered.first().first().value<ServerRecord>().hostname, QStringLiteral("Up"));
    EXPECT_EQ(pool.queued(), 0);
    EXPECT_EQ(pool.serverIndex(1), 9);
}

TEST(QueryPoolSize, NoneOrZeroGivesOneSocket) {
    platform::ManualClock clock{QDateTime(QDate(2026, 12, 7), QTime(12, 0))};
    EXPECT_EQ(QueryPool(0, clock, [] { return StatusContext{}; }, {}).size(), 1);
    EXPECT_EQ(QueryPool(-4, clock, [] { return StatusContext{}; }, {}).size(), 1);
}

} // namespace
} // namespace fennick
