#include "browser/master_reply.h"

namespace fennick {

namespace {

// "EOT", alone or padded with zero bytes. A server whose address starts
// 69.79.84 still has a port, so it is not taken for the end.
bool isEndMarker(const QByteArray& entry) {
    if (!entry.startsWith("EOT"))
        return false;
    for (qsizetype i = 3; i < entry.size(); ++i)
        if (entry[i] != '\0')
            return false;
    return true;
}

} // namespace

QStringList DecodeMasterReply(const QByteArray& datagram) {
    constexpr qsizetype kEntrySize = 6;
    QStringList addresses;
    qsizetype i = 0;
    // The last byte alone cannot start an entry.
    while (i + 1 < datagram.size()) {
        if (datagram[i] != '\\') {
            ++i;
            continue;
        }
        const QByteArray entry = datagram.mid(i + 1, kEntrySize);
        if (isEndMarker(entry) || entry.size() < kEntrySize)
            break;
        const auto byte = [&entry](int n) { return uint(uchar(entry[n])); };
        addresses.append(QStringLiteral("%1.%2.%3.%4:%5")
                             .arg(byte(0))
                             .arg(byte(1))
                             .arg(byte(2))
                             .arg(byte(3))
                             .arg(byte(4) * 256 + byte(5)));
        i += 1 + kEntrySize;
    }
    return addresses;
}

} // namespace fennick
