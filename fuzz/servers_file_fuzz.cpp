// Feeds arbitrary bytes to the "servers.lst" reader. Besides crashes and
// sanitizer reports it checks the round trip: the records read, saved as
// the browser saves them and read again, are the records read (a double
// quote in a text comes back as an apostrophe).
#include "browser/servers_file.h"
#include "fuzz_support.h"
#include "platform/text_file.h"

#include <QTemporaryDir>

using namespace fennick;

namespace {

QVector<ServerRecord> saved(QVector<ServerRecord> records) {
    for (ServerRecord& r : records) {
        for (QString* text : {&r.ip, &r.group, &r.hostname, &r.motd, &r.password})
            *text = fuzz::asQuotedField(*text);
    }
    return records;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("servers.lst"));
    if (!platform::writeFileBytes(path, fuzz::bytesOf(data, size)))
        return 0;
    const QVector<ServerRecord> first = servers_file::read(path);
    QStringList lines;
    for (const ServerRecord& record : first)
        lines.append(servers_file::lineOf(record));
    if (!platform::writeTextLines(path, lines, nullptr, platform::TextEncoding::Latin1))
        return 0;
    const QVector<ServerRecord> again = servers_file::read(path);
    if (again != saved(first)) {
        for (qsizetype i = 0; i < first.size(); ++i)
            if (i >= again.size() || again[i] != saved(first)[i])
                fuzz::fail("servers_file", "saved line reads back otherwise", lines.value(i));
        fuzz::fail("servers_file", "more records read back", lines.join(QLatin1Char('|')));
    }
    return 0;
}
