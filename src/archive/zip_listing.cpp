#include "archive/zip_listing.h"

#include "archive/member_pattern.h"
#include "archive/zip_directory.h"

namespace fennick {

namespace {

constexpr int kLineWidth = 80;
constexpr int kPathWidth = 50;
const QLatin1String kLineEnd("\r\n");

// Puts `text` into the line at a column counted from 1.
void put(QString& line, int column, const QString& text) {
    line.replace(column - 1, text.size(), text);
}

// The last `width` characters of the number after enough blanks: longer
// numbers keep their last digits.
QString rightAligned(quint64 value, int width) {
    return (QString(width, QLatin1Char(' ')) + QString::number(value)).right(width);
}

QString twoDigits(int value) {
    return QString::number(100 + value % 100).right(2);
}

} // namespace

// Control characters are shown as "?", so a hostile name cannot break the
// report into extra lines.
QString zipReportPath(const QString& memberPath) {
    QString shown = memberPath.left(kPathWidth);
    for (QChar& c : shown)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = QLatin1Char('?');
    return shown;
}

QString zipReportHeader() {
    QString line(kLineWidth, QLatin1Char(' '));
    put(line, 1, QStringLiteral("Filename:"));
    put(line, 53, QStringLiteral("Size"));
    put(line, 62, QStringLiteral("Date"));
    put(line, 71, QStringLiteral("Time"));
    return line;
}

QString zipReportLine(const ZipMember& member) {
    QString line(kLineWidth, QLatin1Char(' '));
    put(line, 1, zipReportPath(member.path));
    put(line, 51, rightAligned(member.size, 7));
    put(line, 60, rightAligned(quint64(member.day()), 2) + QLatin1Char('/'));
    put(line, 63, twoDigits(member.month()) + QLatin1Char('/'));
    put(line, 66, twoDigits(member.year()));
    put(line, 70, rightAligned(quint64(member.hour()), 2) + QLatin1Char(':'));
    put(line, 73, twoDigits(member.minute()));
    return line;
}

ZipListing listZipMembers(const QString& archivePath, const QString& pattern) {
    ZipListing listing;
    ZipDirectory directory;
    if (!directory.read(archivePath)) {
        listing.error = directory.errorText();
        return listing;
    }
    listing.readable = true;
    const MemberPattern match(pattern);
    for (const ZipMember& member : directory.members()) {
        if (!match.matches(member.path))
            continue;
        if (listing.members == 0)
            listing.report = zipReportHeader() + kLineEnd;
        listing.report += zipReportLine(member) + kLineEnd;
        ++listing.members;
    }
    return listing;
}

QString ListZip(const QString& archivePath, const QString& pattern) {
    return listZipMembers(archivePath, pattern).report;
}

} // namespace fennick
