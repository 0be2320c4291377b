// Feeds arbitrary bytes to the status reply parser as a datagram, into a
// server record of a Quake III group and of a Quake II group. Besides
// crashes and sanitizer reports it checks that the record, saved as a
// "servers.lst" line, reads back with the same texts.
#include "browser/servers_file.h"
#include "browser/status_parser.h"
#include "console/enum_table.h"
#include "fuzz_support.h"
#include "platform/text_file.h"

#include <QTemporaryDir>

using namespace fennick;

namespace {

const char* const kTarget = "status_reply";

void checkSaved(const ServerRecord& record) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("servers.lst"));
    if (!platform::writeTextLines(path, {servers_file::lineOf(record)}, nullptr,
                                  platform::TextEncoding::Latin1))
        return;
    const QVector<ServerRecord> back = servers_file::read(path);
    if (back.size() != 1)
        fuzz::fail(kTarget, "saved line reads back as records", QString::number(back.size()));
    if (back[0].hostname != fuzz::asQuotedField(record.hostname) ||
        back[0].motd != fuzz::asQuotedField(record.motd))
        fuzz::fail(kTarget, "saved line reads back as another server",
                   servers_file::lineOf(record));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static EnumTable enums;
    static const bool loaded =
        (enums.loadText(QStringLiteral("\"quake3\",\"g_gametype\",\"Free For All\",\"0\"\r\n")),
         true);
    (void)loaded;
    const QString reply = fuzz::datagramOf(data, size);
    for (const char* group : {"Quake 3 Arena\\Internet", "Quake 2\\Internet"}) {
        ServerRecord record;
        record.ip = QStringLiteral("127.0.0.1:27960");
        record.group = QLatin1String(group);
        ParseStatus(record, reply, StatusContext{&enums, QStringLiteral("quake3"), 72000.0});
        checkSaved(record);
    }
    return 0;
}
