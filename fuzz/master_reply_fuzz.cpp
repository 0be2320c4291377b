// Feeds arbitrary bytes to the master reply decoder as one datagram. Besides
// crashes and sanitizer reports it checks that every address it gives is a
// dotted IPv4 address with a port, and that no more addresses come out than
// the datagram has room for.
#include "browser/master_reply.h"
#include "fuzz_support.h"

#include <QRegularExpression>

using namespace fennick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QRegularExpression address(
        QStringLiteral("^(\\d{1,3})\\.(\\d{1,3})\\.(\\d{1,3})\\.(\\d{1,3}):(\\d{1,5})$"));
    const QStringList addresses = DecodeMasterReply(fuzz::bytesOf(data, size));
    if (qsizetype(size) < addresses.size() * 7)
        fuzz::fail("master_reply", "more addresses than entries",
                   QString::number(addresses.size()));
    for (const QString& text : addresses) {
        const QRegularExpressionMatch m = address.match(text);
        bool inRange = m.hasMatch() && m.captured(5).toInt() <= 65535;
        for (int i = 1; inRange && i <= 4; ++i)
            inRange = m.captured(i).toInt() <= 255;
        if (!inRange)
            fuzz::fail("master_reply", "not an address", text);
    }
    return 0;
}
