#include "browser/servers_file.h"

#include "common/number_text.h"
#include "common/record_reader.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

#include <QFileInfo>

namespace fennick::servers_file {

namespace {

constexpr int kFields = 7;

QString quoted(const QString& text) {
    QString safe = text;
    safe.replace(QLatin1Char('"'), QLatin1Char('\''));
    return QLatin1Char('"') + safe + QLatin1Char('"');
}

} // namespace

QVector<ServerRecord> read(const QString& path) {
    const std::optional<QString> found = platform::resolvePath(path);
    if (!found || QFileInfo(*found).size() > kMaxFileBytes)
        return {};
    const std::optional<QString> text = platform::readText(*found);
    if (!text)
        return {};
    QVector<ServerRecord> records;
    RecordReader reader(*text);
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
    return quoted(record.ip) + QLatin1Char(',') + quoted(record.group) + QLatin1Char(',') +
           quoted(record.hostname) + QLatin1Char(',') + QString::number(record.ping) +
           QLatin1Char(',') + quoted(record.motd) + QLatin1Char(',') + quoted(record.password) +
           QLatin1Char(',') + shortestDecimal(record.addtime);
}

bool keptAt(const ServerRecord& record, double nowDaySerial) {
    if (!record.group.endsWith(QLatin1String("Recent")))
        return true;
    return record.addtime > 0 && nowDaySerial - record.addtime < 4.0;
}

} // namespace fennick::servers_file
