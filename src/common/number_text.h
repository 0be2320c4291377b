#pragma once

#include <QString>
#include <QStringView>

// Number reading and formatting shared by the whole program.
namespace fennick {

// The leading number of a text: optional spaces, an optional sign, digits with
// an optional decimal point and exponent. 0 when the text does not begin with
// a number; a number too large for a double reads as the largest double of
// its sign, one too small as 0. Never fails, whatever the text holds.
double leadingNumber(QStringView text);

// The shortest decimal text that reads back as the same number: no leading
// space, no trailing zeros, "-" for negatives ("3", "-2", "0.5",
// "0.1234567890123456", "1.7976931348623157e+308"). Files keep numbers so.
// The float version is the shortest text of the 32-bit value.
QString shortestDecimal(double value);
QString shortestDecimal(float value);

// The number rounded to 15 significant digits, as a person reads the
// result of a sum ("0.3" for 0.1 + 0.2), otherwise written as above.
QString roundedDecimal(double value);

// Format "0.00": two decimals, rounded.
QString formatSeconds(double value);

// Format "000": a whole number with at least three digits.
QString formatThreeDigits(long long value);

// Format "00000.00": at least five integer digits and two decimals.
QString formatFiveDotTwo(double value);

// A 16-bit field of a data file: a whole number in -32768..32767, else 0.
qint16 parseInt16Field(QStringView text);

} // namespace fennick
