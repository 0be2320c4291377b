#include "common/record_reader.h"
#include "support/qt_print.h"

#include <gtest/gtest.h>

namespace fennick {
namespace {

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

TEST(RecordReader, ReadsFieldsAcrossLinesAndSurvivesBrokenQuotes) {
    const struct {
        const char* what;
        QString text;
        int count;
        QList<QStringList> expected;
    } cases[] = {
        {"quoted texts keep commas and spaces",
         "\"quake3\",\"a, b\",\" padded \",7\r\n",
         4,
         {{"quake3", "a, b", " padded ", "7"}}},
        {"spaces around fields are ignored", "  \"x\" ,  y y  ,\t3 \r\n", 3, {{"x", "y y", "3"}}},
        {"empty fields", "a,,c,\"\"\r\n,b,,\r\n", 4, {{"a", "", "c", ""}, {"", "b", "", ""}}},
        {"a record may span lines",
         "\"quake3\",\"g_gametype\",0\r\n2,0,0,\"\\\\info\\\\x\",\"help\"\r\n"
         "\"quake3\",\"map\"\r\n1,1,0,0\r\n\"\",\"\"\r\n",
         8,
         {{"quake3", "g_gametype", "0", "2", "0", "0", "\\\\info\\\\x", "help"},
          {"quake3", "map", "1", "1", "0", "0", "", ""}}},
        {"a line end after a comma closes an empty field", "a,\r\nb\r\n", 3, {{"a", "", "b"}}},
        {"an unterminated quote ends at the line end",
         "\"abc,def\r\nx,y\r\n",
         3,
         {{"abc,def", "x", "y"}}},
        {"an unterminated quote at the end of the text", "a,\"open", 2, {{"a", "open"}}},
        {"text after a closing quote is dropped", "\"ab\"cd,e\r\n", 2, {{"ab", "e"}}},
        {"a short last record is padded",
         "a,b,c\r\nd,e",
         4,
         {{"a", "b", "c", "d"}, {"e", "", "", ""}}},
        // A trailing comma at the end of the text once produced empty
        // records for ever.
        {"a trailing comma ends the reading", "a,", 2, {{"a", ""}}},
        {"trailing blanks end the reading", "a,b,  \t", 2, {{"a", "b"}}},
        {"nothing", "", 8, {}},
        {"nothing but blanks", " \t\r\n\r\n  \n", 8, {}},
        {"CR LF", "q1,a\r\nq2,b\r\nq3,c\r\n", 2, {{"q1", "a"}, {"q2", "b"}, {"q3", "c"}}},
        {"LF", "q1,a\nq2,b\nq3,c\n", 2, {{"q1", "a"}, {"q2", "b"}, {"q3", "c"}}},
        {"lone CR", "q1,a\rq2,b\rq3,c", 2, {{"q1", "a"}, {"q2", "b"}, {"q3", "c"}}},
        {"blank lines",
         "\r\n\r\nq1,a\n\n\nq2,b\r\n  \r\nq3,c",
         2,
         {{"q1", "a"}, {"q2", "b"}, {"q3", "c"}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readAll(c.text, c.count), c.expected) << c.what;
}

} // namespace
} // namespace fennick
