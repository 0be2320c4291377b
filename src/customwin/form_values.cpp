#include "customwin/form_values.h"

#include "common/number_text.h"

#include <algorithm>
#include <cmath>

namespace fennick {

namespace {

QString withoutTabs(QString text) {
    text.remove(QLatin1Char('\t'));
    return text;
}

// Where a designer comment starts: the first apostrophe from the second
// character on that stands outside double quotes, so a caption such as
// "Player's name" keeps its apostrophe. -1 when there is none.
qsizetype commentStart(const QString& value) {
    bool quoted = false;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (c == QLatin1Char('\'') && i >= 1 && !quoted)
            return i;
    }
    return -1;
}

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// The hexadecimal digits after "&H" up to the first other character; only
// the low 32 bits are kept, as the designer's 32-bit values wrap.
double hexNumber(const QString& value) {
    quint32 bits = 0;
    for (qsizetype i = 2; i < value.size(); ++i) {
        const int digit = hexDigit(value[i]);
        if (digit < 0)
            break;
        bits = (bits << 4) | quint32(digit);
    }
    return double(qint32(bits));
}

} // namespace

std::optional<PropertyLine> splitPropertyLine(const QString& line) {
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return std::nullopt;
    return PropertyLine{withoutTabs(line.left(eq)).trimmed().toLower(),
                        cleanPropertyValue(line.mid(eq + 1))};
}

QString cleanPropertyValue(const QString& raw) {
    QString value = withoutTabs(raw).trimmed();
    const qsizetype comment = commentStart(value);
    if (comment >= 0)
        value = value.left(comment).trimmed();
    value.remove(QLatin1Char('"'));
    return value;
}

double formNumber(const QString& value) {
    if (value.size() >= 2 && value[0] == QLatin1Char('&') &&
        (value[1] == QLatin1Char('H') || value[1] == QLatin1Char('h')))
        return hexNumber(value);
    return leadingNumber(value);
}

qint32 formColour(double number) {
    if (!std::isfinite(number))
        return 0;
    // Beyond 64 bits nothing meaningful is left; clamp before converting.
    const double clamped = std::clamp(number, -9.0e18, 9.0e18);
    return qint32(quint32(quint64(qint64(std::llround(clamped)))));
}

} // namespace fennick
