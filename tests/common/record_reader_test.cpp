#include "common/record_reader.h"
#include "support/qt_print.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fennick {
namespace {

using ::testing::ElementsAre;

QList<QStringList> readAll(const QString& text, int count) {
    RecordReader reader(text);
    QList<QStringList> records;
    while (std::optional<QStringList> record = reader.nextRecord(count)) {
        records.append(*record);
        if (records.size() > 1000) // a reader that never ends fails, not hangs
            break;
    }
    return records;
}

TEST(RecordReader, QuotedTextsKeepCommasAndSpaces) {
    const auto records = readAll(QStringLiteral("\"quake3\",\"a, b\",\" padded \",7\r\n"), 4);
    ASSERT_EQ(records.size(), 1);
    EXPECT_THAT(records[0], ElementsAre("quake3", "a, b", " padded ", "7"));
}

TEST(RecordReader, SpacesAroundFieldsAreIgnored) {
    const auto records = readAll(QStringLiteral("  \"x\" ,  y y  ,\t3 \r\n"), 3);
    ASSERT_EQ(records.size(), 1);
    EXPECT_THAT(records[0], ElementsAre("x", "y y", "3"));
}

TEST(RecordReader, EmptyFieldsAreEmptyTexts) {
    const auto records = readAll(QStringLiteral("a,,c,\"\"\r\n,b,,\r\n"), 4);
    ASSERT_EQ(records.size(), 2);
    EXPECT_THAT(records[0], ElementsAre("a", "", "c", ""));
    EXPECT_THAT(records[1], ElementsAre("", "b", "", ""));
}

TEST(RecordReader, CrLfAndLfAndLoneCrEndLinesAlike) {
    const QList<QStringList> expected = {{"q1", "a"}, {"q2", "b"}, {"q3", "c"}};
    EXPECT_EQ(readAll(QStringLiteral("q1,a\r\nq2,b\r\nq3,c\r\n"), 2), expected);
    EXPECT_EQ(readAll(QStringLiteral("q1,a\nq2,b\nq3,c\n"), 2), expected);
    EXPECT_EQ(readAll(QStringLiteral("q1,a\rq2,b\rq3,c"), 2), expected);
    EXPECT_EQ(readAll(QStringLiteral("\r\n\r\nq1,a\n\n\nq2,b\r\n  \r\nq3,c"), 2), expected);
}

TEST(RecordReader, ARecordMaySpanLines) {
    const auto records =
        readAll(QStringLiteral("\"quake3\",\"g_gametype\",0\r\n2,0,0,\"\\\\info\\\\x\",\"help\"\r\n"
                               "\"quake3\",\"map\"\r\n1,1,0,0\r\n\"\",\"\"\r\n"),
                8);
    ASSERT_EQ(records.size(), 2);
    EXPECT_THAT(records[0],
                ElementsAre("quake3", "g_gametype", "0", "2", "0", "0", "\\\\info\\\\x", "help"));
    EXPECT_THAT(records[1], ElementsAre("quake3", "map", "1", "1", "0", "0", "", ""));
}

TEST(RecordReader, ALineEndAfterACommaClosesAnEmptyField) {
    const auto records = readAll(QStringLiteral("a,\r\nb\r\n"), 3);
    ASSERT_EQ(records.size(), 1);
    EXPECT_THAT(records[0], ElementsAre("a", "", "b"));
}

TEST(RecordReader, AnUnterminatedQuoteEndsAtTheLineEnd) {
    const auto records = readAll(QStringLiteral("\"abc,def\r\nx,y\r\n"), 3);
    ASSERT_EQ(records.size(), 1);
    EXPECT_THAT(records[0], ElementsAre("abc,def", "x", "y"));
    // At the end of the text too.
    const auto last = readAll(QStringLiteral("a,\"open"), 2);
    ASSERT_EQ(last.size(), 1);
    EXPECT_THAT(last[0], ElementsAre("a", "open"));
}

TEST(RecordReader, TextAfterAClosingQuoteIsDropped) {
    const auto records = readAll(QStringLiteral("\"ab\"cd,e\r\n"), 2);
    ASSERT_EQ(records.size(), 1);
    EXPECT_THAT(records[0], ElementsAre("ab", "e"));
}

TEST(RecordReader, AShortLastRecordIsPaddedAndTheReadingEnds) {
    const auto records = readAll(QStringLiteral("a,b,c\r\nd,e"), 4);
    ASSERT_EQ(records.size(), 2);
    EXPECT_THAT(records[0], ElementsAre("a", "b", "c", "d"));
    EXPECT_THAT(records[1], ElementsAre("e", "", "", ""));
    // A trailing comma at the end of the text ends the reading (it once
    // produced empty records for ever).
    const auto trailing = readAll(QStringLiteral("a,"), 2);
    ASSERT_EQ(trailing.size(), 1);
    EXPECT_THAT(trailing[0], ElementsAre("a", ""));
    EXPECT_EQ(readAll(QStringLiteral("a,b,  \t"), 2).size(), 1);
}

TEST(RecordReader, NothingButBlanksGivesNoRecord) {
    EXPECT_TRUE(readAll(QString(), 8).isEmpty());
    EXPECT_TRUE(readAll(QStringLiteral(" \t\r\n\r\n  \n"), 8).isEmpty());
}

TEST(RecordReader, QuotedFieldHelperWritesDoubleQuotes) {
    EXPECT_EQ(quotedField(QStringLiteral("Quake 3")), QStringLiteral("\"Quake 3\""));
    EXPECT_EQ(quotedField(QString()), QStringLiteral("\"\""));
}

} // namespace
} // namespace fennick
