#include "console/split_words.h"
#include "support/qt_print.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace fennick {
namespace {

QStringList split(const QString& line) {
    WordList words;
    SplitWords(line, words);
    QStringList out;
    for (const QString& w : words.words)
        out.append(w);
    while (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    return out;
}

TEST(SplitWords, ToTheLetter) {
    const struct {
        const char* line;
        QStringList words;
    } cases[] = {
        {"set a 1", {"set", "a", "1"}},
        {"", {}},
        {"single", {"single"}},
        // A second space is not skipped: it starts the next word.
        {"set  a 1", {"set", " a", "1"}},
        {"set   a", {"set", " ", "a"}}, // the third space separates again
        // A trailing space becomes a word of its own.
        {"set a ", {"set", "a", " "}},
        {" ", {"", " "}},
        {"  set", {"", " set"}},
        // Quotes open a word only right after a space.
        {"set a \"two words\"", {"set", "a", "two words"}},
        {"set a b\"c", {"set", "a", "b\"c"}},
        {"\"set\" a", {"\"set\"", "a"}},
        {"set a  \"b\"", {"set", "a", " \"b\""}},
        // The character after a closing quote starts the next word.
        {"set a \"two words\" x", {"set", "a", "two words", " x"}},
        {"set a \"x\"y", {"set", "a", "x", "y"}},
        {"set a \"\"b", {"set", "a", "", "b"}},
        {"set a \"b\" \"c\"", {"set", "a", "b", " \"c\""}},
        // Empty quotes give an empty word.
        {"set a \"\"", {"set", "a"}},
        // An unterminated quote runs to the end of the line.
        {"set a \"open value", {"set", "a", "open value"}},
        {"set a \"open \"x", {"set", "a", "open ", "x"}},
        // A lone quote at the end is no word.
        {"set a \"", {"set", "a"}},
        {"\"", {}},
        // "addbutton": word 1 is the rest of the line, trimmed, as it is.
        {"addbutton  \"Q3DM17\"  \\map\\q3dm17 | x  ",
         {"addbutton", "\"Q3DM17\"  \\map\\q3dm17 | x"}},
        {"AddButton x y", {"AddButton", "x y"}},
        {"addbutton", {"addbutton"}},
        {"addbutton ", {"addbutton"}},
        {"addbuttons a b", {"addbuttons", "a", "b"}},
        {"set addbutton x", {"set", "addbutton", "x"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(split(QString::fromUtf8(c.line)), c.words);
    }
}

// Each line starts from an empty list; words past its end are dropped,
// quoted ones as well.
TEST(SplitWords, WordsStartEmptyAndStopAtTheListsEnd) {
    QStringList many;
    for (int i = 0; i < WordList::kCapacity * 4; ++i)
        many.append(QStringLiteral("w%1").arg(i));
    WordList words;
    SplitWords(many.join(' '), words);
    for (int i = 0; i < WordList::kCapacity; ++i)
        EXPECT_EQ(words[i], many[i]);
    SplitWords("x", words);
    EXPECT_EQ(words[0], "x");
    for (int i = 1; i < WordList::kCapacity; ++i)
        EXPECT_TRUE(words[i].isEmpty()) << i;
    SplitWords("a" + QString(" \"q\"").repeated(100), words);
    EXPECT_EQ(words[1], "q");
}

} // namespace
} // namespace fennick
