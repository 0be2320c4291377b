#pragma once

#include <QString>

namespace fennick {

// One member of a ZIP archive as its central directory describes it.
struct ZipMember {
    qint64 index = 0;
    QString path;           // as stored, "/" between folders
    quint64 size = 0;       // uncompressed, as declared
    quint64 packedSize = 0; // compressed, as declared
    bool encrypted = false;
    quint16 method = 0;       // 0 stored, 8 deflated
    quint32 crc = 0;          // of the uncompressed data
    quint64 headerOffset = 0; // where the member's local header starts
    // The date and time as stored: the local time of the machine that made
    // the archive, in the packed form of MS-DOS.
    quint16 dosDate = 0;
    quint16 dosTime = 0;

    // A member whose path ends in "/" stands for a folder.
    bool isFolder() const { return path.endsWith(QLatin1Char('/')); }

    int year() const { return 1980 + (dosDate >> 9); }
    int month() const { return (dosDate >> 5) & 0x0f; }
    int day() const { return dosDate & 0x1f; }
    int hour() const { return dosTime >> 11; }
    int minute() const { return (dosTime >> 5) & 0x3f; }
};

// A stored member path as text: UTF-8 when the bytes are valid UTF-8 (as
// they are when the archive marks them so), else Latin-1.
QString memberPathText(const char* bytes, qsizetype size);

} // namespace fennick
