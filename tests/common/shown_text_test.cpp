#include "common/readable_colour.h"
#include "common/shown_text.h"
#include "support/qt_print.h"

#include <QDateTime>
#include <QLocale>
#include <gtest/gtest.h>

namespace fennick {
namespace {

// Server texts arrive as bytes, one character each.
QString bytes(const char* raw) {
    return QString::fromLatin1(raw);
}

TEST(ShownServerText, Utf8WhenTheBytesAreValidUtf8ElseAsKept) {
    const struct {
        QString stored, shown;
    } cases[] = {
        {bytes("Caf\xc3\xa9 ^3\xe2\x98\x85"), QStringLiteral("Caf\u00e9 ^3\u2605")}, // OpenArena
        {bytes("caf\xe9"), QStringLiteral("caf\u00e9")},                             // Latin-1
        {bytes("\xc3\xa9 and \xe9"), bytes("\xc3\xa9 and \xe9")}, // not all UTF-8: as kept
        {QStringLiteral("^1Big ^7Fish"), QStringLiteral("^1Big ^7Fish")},
        {QStringLiteral("typed \u2605"), QStringLiteral("typed \u2605")}, // not bytes at all
        {QString(), QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shownServerText(c.stored), c.shown) << c.stored.toStdString();
}

TEST(ShownDate, ADayCountIsALocalDateAndTime) {
    const QString expected =
        QLocale().toString(QDateTime(QDate(2026, 12, 7), QTime(14, 52, 48)), QLocale::ShortFormat);
    EXPECT_EQ(shownDate(46363.62), expected);
    for (double none : {0.0, -3.0, 1e12, std::nan("")})
        EXPECT_EQ(shownDate(none), QString()) << none;
}

// Too dark a colour is lightened on a dark background (darkened on a light
// one) until it reads, keeping its hue; a readable one stays as it is.
TEST(ReadableOn, TooLittleContrastChangesLightnessOnly) {
    const struct {
        QColor colour, background;
        bool changes;
    } cases[] = {
        {QColor(0, 0, 255), QColor(31, 63, 95), true},      // ^4 on the watch window
        {QColor(64, 64, 64), QColor(34, 31, 28), true},     // ^0 on the fast-info panel
        {QColor(127, 0, 0), QColor(24, 22, 20), true},      // the setup dialog's red
        {QColor(255, 255, 0), QColor(200, 200, 200), true}, // yellow on a light box
        {QColor(255, 255, 255), QColor(24, 22, 20), false},
        {QColor(0, 0, 127), QColor(200, 200, 200), false},
    };
    for (const auto& c : cases) {
        const QColor shown = readableOn(c.colour, c.background);
        EXPECT_EQ(shown != c.colour, c.changes) << c.colour.name().toStdString();
        EXPECT_GE(contrastRatio(shown, c.background), 3.0) << c.colour.name().toStdString();
        if (c.colour.hslHue() >= 0) {
            EXPECT_NEAR(shown.hslHue(), c.colour.hslHue(), 2) << c.colour.name().toStdString();
        }
    }
}

} // namespace
} // namespace fennick
