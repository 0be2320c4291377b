#pragma once

#include <QString>
#include <optional>

// How a form description's property lines are read.
namespace fennick {

// A property line split at its first "=": the key without tabs, trimmed and
// lower-cased, and the value as cleanPropertyValue leaves it.
struct PropertyLine {
    QString key;
    QString value;
};

// Nothing when the line has no "=".
std::optional<PropertyLine> splitPropertyLine(const QString& line);

// The value part of a property line: tabs removed and trimmed; a designer
// comment (an apostrophe from the second character on, outside double
// quotes, and all after it) cut off and the rest trimmed again; then every
// double quote removed.
QString cleanPropertyValue(const QString& raw);

// A numeric value: "&H" (or "&h") starts a hexadecimal number read as 32-bit
// two's complement, a trailing "&" ignored; anything else is read by its
// leading number (0 when there is none).
double formNumber(const QString& value);

// A number as a 32-bit colour value (its low 32 bits, two's complement).
qint32 formColour(double number);

} // namespace fennick
