#include "buttons/coloured_text.h"
#include "common/fonts.h"
#include "common/readable_colour.h"
#include "support/qt_print.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>

namespace fennick {
namespace {

const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0), kYellow(255, 255, 0), kWhite(255, 255, 255), kGrey(64, 64, 64);
const QColor kBack(200, 200, 200), kFore(0, 0, 127);

// Draws one coloured line without antialiasing on black and returns, per
// shown character, the set of colours its columns hold (black left out).
struct Drawn {
    QImage image{400, 40, QImage::Format_RGB32};
    QVector<QSet<QRgb>> colours; // one per shown character
    qreal endX = 0, endY = 0;
};

Drawn draw(const QString& text, int start, std::optional<QColor> back = std::nullopt,
           std::optional<QColor> fore = std::nullopt, std::optional<QColor> backdrop = {}) {
    Drawn drawn;
    drawn.image.fill(kBlack);
    QPainter painter(&drawn.image);
    QFont font = sansFont(16);
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    TextCursor cursor{painter, 10, 4, 10, 400, backdrop};
    PrintColoured(cursor, text, start, back, fore);
    drawn.endX = cursor.x;
    drawn.endY = cursor.y;
    painter.end();

    const QFontMetricsF metrics(font, &drawn.image);
    qreal x = 10;
    for (const QChar c : visibleCharacters(text)) {
        const qreal width = metrics.horizontalAdvance(c);
        QSet<QRgb> seen;
        for (int px = int(std::ceil(x)); px < int(x + width); ++px)
            for (int py = 4; py < 4 + int(metrics.height()); ++py)
                if (drawn.image.pixel(px, py) != kBlack.rgb())
                    seen.insert(drawn.image.pixel(px, py));
        drawn.colours.append(seen);
        x += width;
    }
    return drawn;
}

QSet<QRgb> only(const QColor& colour) {
    return {colour.rgb()};
}

TEST(PrintColoured, CodesColourTheCharactersThatFollow) {
    struct Case {
        const char* text;
        int start;
        QVector<QSet<QRgb>> expected; // per shown character; {} for a space
    };
    const Case cases[] = {
        // A word in red, a space, a word in white.
        {"^1HE ^7NH", 0, {only(kRed), only(kRed), {}, only(kWhite), only(kWhite)}},
        // A code right after a code is drawn as text, in the first code's colour.
        {"^1^2H", 0, {only(kRed), only(kRed), only(kRed)}},
        // 8 and 9 keep the colour; a non-digit counts as 0.
        {"^3H^8E^9N^xM", 7, {only(kYellow), only(kYellow), only(kYellow), only(kGrey)}},
        // The start colour holds until the first code; a "^" at the end draws nothing.
        {"HE^", 7, {only(kWhite), only(kWhite)}},
        {"H^1", 0, {only(kGrey)}},
    };
    for (const Case& c : cases) {
        const Drawn drawn = draw(QString::fromLatin1(c.text), c.start);
        EXPECT_EQ(drawn.colours, c.expected) << c.text;
        // The cursor moves to the start of the next line.
        EXPECT_EQ(drawn.endX, 10) << c.text;
        EXPECT_GT(drawn.endY, 4 + 10) << c.text;
    }
}

TEST(PrintColoured, HighlightTakesTheStartColourAndFillsTheLine) {
    const Drawn drawn = draw(QStringLiteral("H^1E^0N"), 0, kBack, kFore);
    const QSet<QRgb> foreOnBack = {kFore.rgb(), kBack.rgb()};
    const QSet<QRgb> redOnBack = {kRed.rgb(), kBack.rgb()};
    EXPECT_EQ(drawn.colours, (QVector<QSet<QRgb>>{foreOnBack, redOnBack, foreOnBack}));
    // The box reaches the right edge, from the start of the line.
    EXPECT_EQ(QColor(drawn.image.pixel(399, 6)), kBack);
    EXPECT_EQ(QColor(drawn.image.pixel(9, 6)), kBlack);
    EXPECT_EQ(QColor(drawn.image.pixel(10, 6)), kBack);
}

// A caller that names the colour under the text gets colours readable on
// it: the games' dark blue on a dark blue panel is drawn lighter.
TEST(PrintColoured, ABackdropMakesTheColoursReadable) {
    const QColor darkBlue(31, 63, 95);
    const Drawn drawn = draw(QStringLiteral("^4H^7N"), 7, std::nullopt, std::nullopt, darkBlue);
    const QColor blue(0, 0, 255);
    EXPECT_EQ(drawn.colours, (QVector<QSet<QRgb>>{only(readableOn(blue, darkBlue)), only(kWhite)}));
}

// Names never show a code as text: a code followed by another is dropped,
// also where a value is put after a caption's own code.
TEST(PrintColoured, NamesAndFilledValuesKeepNoCodeBeforeACode) {
    const struct {
        const char *text, *tidy;
    } tidied[] = {
        {"^1^2Fish", "^2Fish"}, {"^1^2^3X", "^3X"}, {"^^1a", "^^1a"},
        {"a^1^", "a^1^"},       {"^7]", "^7]"},     {"plain", "plain"},
    };
    for (const auto& c : tidied)
        EXPECT_EQ(tidyColourCodes(QLatin1String(c.text)), QLatin1String(c.tidy)) << c.text;

    const struct {
        const char *text, *value, *filled;
    } filled[] = {
        {"\\caption\\^7Name: ^7%v\\category\\Player", "^1Big ^7Fish",
         "\\caption\\^7Name: ^1Big ^7Fish\\category\\Player"},
        {"^7Name: ^7%v", "Plain", "^7Name: ^7Plain"},
        {"^7Map: %v (^3%v)", "^1^2Red", "^7Map: ^2Red (^2Red)"},
        {"x^%v", "^1y", "x^^1y"}, // a lone "^" is no whole code: it stays
    };
    for (const auto& c : filled)
        EXPECT_EQ(fillColoured(QLatin1String(c.text), QStringLiteral("%v"), QLatin1String(c.value)),
                  QLatin1String(c.filled))
            << c.text;
}

TEST(PrintColoured, VisibleCharactersLeaveTheCodesOut) {
    EXPECT_EQ(visibleCharacters(QStringLiteral("^1a^^2b^")), QStringLiteral("a2b"));
    EXPECT_EQ(visibleCharacters(QStringLiteral("^1^2x")), QStringLiteral("^2x"));
    EXPECT_EQ(visibleCharacters(QStringLiteral("plain")), QStringLiteral("plain"));
}

} // namespace
} // namespace fennick
