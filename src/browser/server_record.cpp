#include "browser/server_record.h"

#include "common/number_text.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace fennick {

qint16 toInt16Field(const QString& text) {
    // Leading blanks, tabs and line ends are white space to the reader.
    qsizetype start = 0;
    while (start < text.size() && text[start].isSpace())
        ++start;
    const double value = std::nearbyint(leadingNumber(QStringView(text).mid(start)));
    if (!std::isfinite(value))
        return 0;
    return qint16(std::clamp(value, double(std::numeric_limits<qint16>::min()),
                             double(std::numeric_limits<qint16>::max())));
}

qint16 pingOf(double seconds) {
    const double milliseconds = std::trunc(seconds * 1000.0);
    if (!(milliseconds >= 0.0))
        return 0;
    return milliseconds > 999.0 ? qint16(999) : qint16(milliseconds);
}

} // namespace fennick
