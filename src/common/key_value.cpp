#include "common/key_value.h"

namespace fennick {

QString GetKeyValue(const QString& text, const QString& key) {
    const QString needle = QLatin1Char('\\') + key;
    const qsizetype at = text.indexOf(needle, 0, Qt::CaseInsensitive);
    if (at < 0)
        return {};
    // The value starts after the backslash that follows the key.
    const qsizetype separator = text.indexOf(QLatin1Char('\\'), at + needle.size());
    if (separator < 0)
        return {};
    const qsizetype start = separator + 1;
    qsizetype end = start;
    while (end < text.size() && text[end] != QLatin1Char('\\') && text[end] != QLatin1Char('\n'))
        ++end;
    return text.mid(start, end - start);
}

} // namespace fennick
