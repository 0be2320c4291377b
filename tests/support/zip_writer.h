#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVector>
#include <optional>

namespace fennick::test {

// One member of an archive written byte by byte, so tests can also write
// what no well-behaved tool would: lying sizes, bad checksums, hostile
// names, members that share their data.
struct ZipEntry {
    QByteArray name;
    QByteArray data;
    bool deflate = false;
    QDateTime modified{QDate(2005, 3, 7), QTime(9, 5)};
    bool encrypted = false;              // sets the "encrypted" flag only
    std::optional<quint32> declaredSize; // instead of the real size
    std::optional<quint32> crc;          // instead of the real checksum
    int sharesDataOf = -1;               // central entry pointing at another's data
};

// The bytes of a ZIP archive holding the entries (ZIP64 end records when
// there are more than 65,535).
QByteArray zipBytes(const QVector<ZipEntry>& entries);

// Writes the archive, creating folders; returns the path.
QString writeZip(const QString& path, const QVector<ZipEntry>& entries);

// A plain stored member.
ZipEntry member(const QByteArray& name, const QByteArray& data = {});

} // namespace fennick::test
