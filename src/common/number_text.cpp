#include "common/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace fennick {

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

double leadingNumber(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    qsizetype digits = 0;
    while (i < n && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    qsizetype end = i;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
            ++j;
        qsizetype expDigits = 0;
        while (j < n && isDigit(text[j])) {
            ++j;
            ++expDigits;
        }
        if (expDigits > 0)
            end = j;
    }
    bool ok = false;
    // Read straight from the view: no copy of the text.
    const double value = text.mid(start, end - start).toDouble(&ok);
    // Too large for a double: the largest one, so that writing it and
    // reading it again gives the same number. Too small: 0.
    if (std::isinf(value))
        return std::copysign(std::numeric_limits<double>::max(), value);
    return ok ? value : 0.0;
}

namespace {

template <typename Number> QString shortestText(Number value) {
    if (!std::isfinite(value) || value == 0)
        return QStringLiteral("0");
    if (std::fabs(value) < Number(1e15) && value == std::trunc(value))
        return QString::number(static_cast<long long>(value));
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

} // namespace

QString shortestDecimal(double value) {
    return shortestText(value);
}

QString shortestDecimal(float value) {
    return shortestText(value);
}

QString roundedDecimal(double value) {
    if (!std::isfinite(value) || value == 0.0)
        return QStringLiteral("0");
    if (std::fabs(value) < 1e15 && value == std::trunc(value))
        return QString::number(static_cast<long long>(value));
    return QString::number(value, 'g', 15);
}

QString formatSeconds(double value) {
    if (!std::isfinite(value))
        value = 0.0;
    QString text = QString::number(value, 'f', 2);
    if (text == QLatin1String("-0.00"))
        text = QStringLiteral("0.00");
    return text;
}

QString formatThreeDigits(long long value) {
    const bool negative = value < 0;
    QString digits = QString::number(negative ? -value : value);
    while (digits.size() < 3)
        digits.prepend(QLatin1Char('0'));
    return negative ? QLatin1Char('-') + digits : digits;
}

QString formatFiveDotTwo(double value) {
    if (!std::isfinite(value))
        value = 0.0;
    const bool negative = value < 0;
    QString text = QString::number(negative ? -value : value, 'f', 2);
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    while (dot >= 0 && text.indexOf(QLatin1Char('.')) < 5)
        text.prepend(QLatin1Char('0'));
    return negative ? QLatin1Char('-') + text : text;
}

qint16 parseInt16Field(QStringView text) {
    const QString trimmed = text.trimmed().toString();
    if (trimmed.isEmpty())
        return 0;
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return 0;
    const double rounded = std::round(value);
    if (rounded < std::numeric_limits<qint16>::min() ||
        rounded > std::numeric_limits<qint16>::max())
        return 0;
    return static_cast<qint16>(rounded);
}

} // namespace fennick
