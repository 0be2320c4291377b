#pragma once

#include <QColor>
#include <QString>
#include <optional>

class QPainter;

namespace fennick {

// Where coloured text is written: a painter, the top left of the next
// character, the left edge a new line starts at and the right edge a
// highlight box reaches to. The painter's font gives the line height.
// With a backdrop (the colour the text lies on) every colour is made
// readable on it, keeping its hue; a highlight box is then the backdrop of
// its own line. Without one the colours are drawn exactly.
struct TextCursor {
    QPainter& painter;
    qreal x = 0;
    qreal y = 0;
    qreal left = 0;
    qreal right = 0;
    std::optional<QColor> backdrop = std::nullopt;
};

// The games' colour for a code digit 0 to 7; codes 8 and 9 have none.
std::optional<QColor> colourOfCode(int code);

// The height of one line in the painter's font.
int lineHeightOf(const QPainter& painter);

// The characters a coloured text shows: every "^" and the character after
// it are codes, except a "^" that directly follows a code.
QString visibleCharacters(const QString& text);

// A text with every colour code that is directly followed by another code
// left out: the later code decides the colour anyway, and PrintColoured
// would show the second one as text. Names from servers and players are
// drawn this way, so "^7" then "^1Big" shows "Big" in red.
QString tidyColourCodes(const QString& text);

// `text` with every `placeholder` replaced by `value` (tidied): when the
// value begins with a colour code, a code just before the placeholder is
// left out, so a caption "^7Name: ^7%v" shows a coloured name in its own
// colours. The text is a backslash key/value text or a plain line.
QString fillColoured(const QString& text, const QString& placeholder, const QString& value);

// How wide the shown characters of a coloured text are when drawn one by
// one, as PrintColoured draws them.
qreal colouredTextWidth(const QPainter& painter, const QString& text);

// Writes one line of text in the games' "^" colour notation at the cursor
// and moves the cursor to the start of the next line. A "^" and the
// character after it choose the colour (a non-digit counts as 0; 8 and 9
// keep the colour); the character after a code is drawn as it is, even a
// "^". With a highlight background a box of that colour is drawn behind
// the line first, up to the right edge; with a highlight text colour the
// characters in the start colour take it instead.
void PrintColoured(TextCursor& cursor, const QString& text, int start,
                   std::optional<QColor> highlightBack = std::nullopt,
                   std::optional<QColor> highlightFore = std::nullopt);

} // namespace fennick
