#include "maps/maps_file.h"

#include "common/number_text.h"
#include "common/record_reader.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

#include <QFile>
#include <QFileInfo>
#include <charconv>
#include <cmath>

namespace fennick::maps_file {

namespace {

constexpr int kFields = 7;
constexpr double kRecentDays = 4.0;

MapRecord recordOf(const QStringList& fields) {
    MapRecord record;
    record.name = fields.at(0);
    record.group = fields.at(1);
    record.fullname = fields.at(2);
    record.mod = fields.at(3);
    record.pak = fields.at(4);
    record.timesplayed = parseInt16Field(fields.at(5));
    const double added = leadingNumber(fields.at(6));
    // A day count beyond what the field holds is no day.
    record.addtime = std::isfinite(added) && std::fabs(added) < 1e30 ? float(added) : 0.0f;
    return record;
}

} // namespace

Contents read(const QString& path) {
    Contents contents;
    const std::optional<QString> found = platform::resolvePath(path);
    if (!found)
        return contents;
    QString why;
    if (!platform::isPlainFile(*found, &why)) {
        contents.problem = why;
        return contents;
    }
    const qint64 size = QFileInfo(*found).size();
    if (size > kMaxFileBytes) {
        contents.problem = QStringLiteral("%1 bytes is too large for a map list").arg(size);
        return contents;
    }
    QFile file(*found);
    if (!file.open(QIODevice::ReadOnly)) {
        contents.problem = QStringLiteral("cannot be read");
        return contents;
    }
    const QString text = platform::decodeText(file.readAll(), contents.encoding);
    for (const QString& line : platform::splitLines(text)) {
        RecordReader reader(line);
        if (const std::optional<QStringList> fields = reader.nextRecord(kFields))
            contents.records.append(recordOf(*fields));
    }
    return contents;
}

QString lineOf(const MapRecord& record) {
    return listField(record.name) + QLatin1Char(',') + listField(record.group) + QLatin1Char(',') +
           listField(record.fullname) + QLatin1Char(',') + listField(record.mod) +
           QLatin1Char(',') + listField(record.pak) + QLatin1Char(',') +
           QString::number(record.timesplayed) + QLatin1Char(',') + addtimeText(record.addtime);
}

bool keptAt(const MapRecord& record, double nowDaySerial) {
    const QString& group = record.group;
    if (group.endsWith(QLatin1String("Recent")))
        return nowDaySerial - double(record.addtime) < kRecentDays;
    return !group.endsWith(QLatin1String("\\All")) && !group.endsWith(QLatin1String("\\Map")) &&
           !group.endsWith(QLatin1String("\\Mod"));
}

bool isScannedGroup(const QString& group) {
    const QLatin1String game("Quake 3 Arena\\");
    if (!group.startsWith(game))
        return false;
    const QStringView name = QStringView(group).mid(game.size());
    return name == QLatin1String("All") || name == QLatin1String("Mod") ||
           name == QLatin1String("Map");
}

// The shortest digits that give back the same 32-bit value, never with an
// exponent.
QString addtimeText(float addtime) {
    if (!std::isfinite(addtime) || addtime == 0.0f)
        return QStringLiteral("0");
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, addtime, std::chars_format::fixed);
    if (result.ec != std::errc())
        return QStringLiteral("0");
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

} // namespace fennick::maps_file
