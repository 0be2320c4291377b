#include "buttons/coloured_text.h"

#include "common/readable_colour.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace fennick {

namespace {

const QColor kPalette[8] = {
    QColor(64, 64, 64), QColor(255, 0, 0),   QColor(0, 255, 0),   QColor(255, 255, 0),
    QColor(0, 0, 255),  QColor(0, 255, 255), QColor(255, 0, 255), QColor(255, 255, 255),
};

// The colour number a code character gives: its digit, 0 for anything
// else (also for a "^" that ends the text).
int codeNumber(const QString& text, qsizetype index) {
    if (index >= text.size())
        return 0;
    const QChar c = text[index];
    return c.isDigit() && c.unicode() < 128 ? c.unicode() - '0' : 0;
}

// One drawable unit from `index`: a character, or a surrogate pair whole.
qsizetype unitLength(const QString& text, qsizetype index) {
    return text[index].isHighSurrogate() && index + 1 < text.size() &&
                   text[index + 1].isLowSurrogate()
               ? 2
               : 1;
}

// True when `text` ends with a whole colour code ("^" and its character),
// read from its start as PrintColoured reads it.
bool endsWithCode(QStringView text) {
    bool last = false;
    bool afterCode = false;
    qsizetype i = 0;
    while (i < text.size()) {
        if (!afterCode && text[i] == QLatin1Char('^')) {
            i += 2;
            afterCode = last = true;
            continue;
        }
        afterCode = last = false;
        ++i;
    }
    return last && i == text.size();
}

bool startsWithCode(const QString& text) {
    return text.size() >= 2 && text[0] == QLatin1Char('^');
}

} // namespace

QString tidyColourCodes(const QString& text) {
    QString tidy;
    tidy.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        if (text[i] != QLatin1Char('^') || i + 1 >= text.size()) {
            tidy += text[i++];
            continue;
        }
        const bool followedByCode = i + 3 < text.size() && text[i + 2] == QLatin1Char('^');
        if (!followedByCode)
            tidy += text.mid(i, 3);
        i += followedByCode ? 2 : 3;
    }
    return tidy;
}

QString fillColoured(const QString& text, const QString& placeholder, const QString& value) {
    if (placeholder.isEmpty())
        return text;
    const QString filling = tidyColourCodes(value);
    QString result;
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(placeholder); at >= 0;
         from = at + placeholder.size(), at = text.indexOf(placeholder, from)) {
        result += text.mid(from, at - from);
        // A code can only end the part after the last key/value boundary.
        const qsizetype segment = result.lastIndexOf(QLatin1Char('\\')) + 1;
        if (startsWithCode(filling) && endsWithCode(QStringView(result).mid(segment)))
            result.chop(2);
        result += filling;
    }
    return result + text.mid(from);
}

std::optional<QColor> colourOfCode(int code) {
    if (code < 0 || code > 7)
        return std::nullopt;
    return kPalette[code];
}

int lineHeightOf(const QPainter& painter) {
    return int(std::ceil(QFontMetricsF(painter.font(), painter.device()).height()));
}

QString visibleCharacters(const QString& text) {
    QString shown;
    for (qsizetype i = 0; i < text.size();) {
        if (text[i] == QLatin1Char('^')) {
            i += 2;
            if (i < text.size())
                shown += text[i++];
            continue;
        }
        shown += text[i++];
    }
    return shown;
}

qreal colouredTextWidth(const QPainter& painter, const QString& text) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QString shown = visibleCharacters(text);
    qreal width = 0;
    for (qsizetype i = 0; i < shown.size();) {
        const qsizetype length = unitLength(shown, i);
        width += metrics.horizontalAdvance(shown.mid(i, length));
        i += length;
    }
    return width;
}

void PrintColoured(TextCursor& cursor, const QString& text, int start,
                   std::optional<QColor> highlightBack, std::optional<QColor> highlightFore) {
    QPainter& painter = cursor.painter;
    const QFontMetricsF metrics(painter.font(), painter.device());
    const int height = lineHeightOf(painter);
    if (highlightBack)
        painter.fillRect(QRectF(cursor.x, cursor.y, cursor.right - cursor.x, height),
                         *highlightBack);

    // A caller that names the backdrop gets readable colours, on the
    // highlight box where there is one.
    const std::optional<QColor> backdrop =
        cursor.backdrop && highlightBack ? highlightBack : cursor.backdrop;
    QColor lastColour, lastShown; // colours change seldom within a line
    const auto shown = [&](const QColor& colour) {
        if (!backdrop)
            return colour;
        if (colour != lastColour) {
            lastColour = colour;
            lastShown = readableOn(colour, *backdrop);
        }
        return lastShown;
    };
    int number = start;
    QColor colour = colourOfCode(start).value_or(kPalette[0]);
    const qreal baseline = cursor.y + metrics.ascent();
    bool afterCode = false;
    for (qsizetype i = 0; i < text.size();) {
        if (!afterCode && text[i] == QLatin1Char('^')) {
            number = codeNumber(text, i + 1);
            i += 2;
            afterCode = true;
            continue;
        }
        afterCode = false;
        if (highlightFore && number == start)
            colour = *highlightFore;
        else if (const auto code = colourOfCode(number))
            colour = *code;
        const qsizetype length = unitLength(text, i);
        const QString unit = text.mid(i, length);
        painter.setPen(shown(colour));
        painter.drawText(QPointF(cursor.x, baseline), unit);
        cursor.x += metrics.horizontalAdvance(unit);
        i += length;
    }
    cursor.x = cursor.left;
    cursor.y += height;
}

} // namespace fennick
