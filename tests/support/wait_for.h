#pragma once

#include <QTest>
#include <gtest/gtest.h>

// Lets events run until the condition holds, for at most `ms` milliseconds,
// and fails the test when it never does. (QTest's QTRY_ macros report to
// QTest, which GoogleTest does not hear: they would end a test quietly.)
#define ASSERT_SOON(condition, ms)                                                                 \
    ASSERT_TRUE(QTest::qWaitFor([&] { return bool(condition); }, ms)) << #condition
