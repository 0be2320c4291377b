#pragma once

#include <QString>
#include <QStringView>

// Number reading and formatting shared by the whole program.
namespace fennick {

// The leading number of a text: optional spaces, an optional sign, digits with
// an optional decimal point and exponent. 0 when the text does not begin with
// a number. Never fails, whatever the text holds.
double leadingNumber(QStringView text);

// The shortest decimal text of a number: no leading space, no trailing
// zeros, "-" for negatives ("3", "-2", "0.5").
QString shortestDecimal(double value);

// Format "0.00": two decimals, rounded.
QString formatSeconds(double value);

// Format "000": a whole number with at least three digits.
QString formatThreeDigits(long long value);

// Format "00000.00": at least five integer digits and two decimals.
QString formatFiveDotTwo(double value);

// A 16-bit field of a data file: a whole number in -32768..32767, else 0.
qint16 parseInt16Field(QStringView text);

} // namespace fennick
