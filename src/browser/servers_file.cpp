#include "browser/servers_file.h"

#include "common/number_text.h"
#include "common/record_reader.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

#include <QFile>
#include <QFileInfo>

namespace fennick::servers_file {

namespace {

constexpr int kFields = 7;

// Server texts are kept as the bytes they came in, one character per byte
// (see read). A text typed with characters beyond that range is kept as
// its UTF-8 bytes, so the whole field is one encoding.
QString asBytes(const QString& text) {
    for (QChar c : text)
        if (c.unicode() > 0xFF)
            return QString::fromLatin1(text.toUtf8());
    return text;
}

} // namespace

QVector<ServerRecord> read(const QString& path) {
    const std::optional<QString> found = platform::resolvePath(path);
    if (!found || QFileInfo(*found).size() > kMaxFileBytes)
        return {};
    // Read byte for byte, as datagrams are: a name stays the bytes its
    // server sent (UTF-8 or not), and writing it back gives the same file.
    QFile file(*found);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromLatin1(file.readAll());
    QVector<ServerRecord> records;
    RecordReader reader(text);
    while (const std::optional<QStringList> fields = reader.nextRecord(kFields)) {
        ServerRecord record;
        record.ip = fields->at(0);
        record.group = fields->at(1);
        record.hostname = fields->at(2);
        record.ping = toInt16Field(fields->at(3));
        record.motd = fields->at(4);
        record.password = fields->at(5);
        const double added = leadingNumber(fields->at(6));
        record.addtime = std::isfinite(added) ? added : 0.0;
        records.append(std::move(record));
    }
    return records;
}

QString lineOf(const ServerRecord& record) {
    return listField(asBytes(record.ip)) + QLatin1Char(',') + listField(asBytes(record.group)) +
           QLatin1Char(',') + listField(asBytes(record.hostname)) + QLatin1Char(',') +
           QString::number(record.ping) + QLatin1Char(',') + listField(asBytes(record.motd)) +
           QLatin1Char(',') + listField(asBytes(record.password)) + QLatin1Char(',') +
           shortestDecimal(record.addtime);
}

bool keptAt(const ServerRecord& record, double nowDaySerial) {
    if (!record.group.endsWith(QLatin1String("Recent")))
        return true;
    return record.addtime > 0 && nowDaySerial - record.addtime < 4.0;
}

} // namespace fennick::servers_file
