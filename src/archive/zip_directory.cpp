#include "archive/zip_directory.h"

#include "platform/file_system.h"

#include <QFile>
#include <QtEndian>

namespace fennick {

namespace {

constexpr quint32 kEndSignature = 0x06054b50;
constexpr quint32 kZip64EndSignature = 0x06064b50;
constexpr quint32 kZip64LocatorSignature = 0x07064b50;
constexpr quint32 kEntrySignature = 0x02014b50;
constexpr qint64 kEndSize = 22;
constexpr qint64 kZip64EndSize = 56;
constexpr qint64 kZip64LocatorSize = 20;
constexpr qint64 kEntrySize = 46;
constexpr qint64 kLongestComment = 0xffff;
constexpr quint16 kZip64Extra = 0x0001;

// Little-endian fields of a byte buffer; the caller has checked the bounds.
quint16 u16(const char* at) {
    return qFromLittleEndian<quint16>(at);
}
quint32 u32(const char* at) {
    return qFromLittleEndian<quint32>(at);
}
quint64 u64(const char* at) {
    return qFromLittleEndian<quint64>(at);
}

constexpr quint32 kFull32 = 0xffffffffu;

// The fields of an entry whose 32-bit value is full come from its ZIP64
// extra field, in this order: size, compressed size, local header offset.
void readZip64Fields(const char* extra, qint64 length, ZipMember& member) {
    for (qint64 at = 0; at + 4 <= length;) {
        const quint16 id = u16(extra + at);
        const qint64 data = u16(extra + at + 2);
        if (at + 4 + data > length)
            break;
        if (id == kZip64Extra) {
            qint64 field = at + 4;
            const qint64 end = at + 4 + data;
            for (quint64* value : {&member.size, &member.packedSize, &member.headerOffset}) {
                if (*value != kFull32)
                    continue;
                if (field + 8 > end)
                    return;
                *value = u64(extra + field);
                field += 8;
            }
            return;
        }
        at += 4 + data;
    }
}

} // namespace

bool ZipDirectory::fail(const QString& why) {
    error_ = why;
    members_.clear();
    return false;
}

bool ZipDirectory::read(const QString& path) {
    members_.clear();
    error_.clear();
    QString why;
    if (!platform::isPlainFile(path, &why))
        return fail(why);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    Location where;
    if (!locate(file, where))
        return false;
    if (!file.seek(qint64(where.offset)))
        return fail(QStringLiteral("cannot read the central directory"));
    const QByteArray directory = file.read(qint64(where.size));
    if (directory.size() != qint64(where.size))
        return fail(QStringLiteral("the central directory is cut short"));
    parse(directory, where.entries);
    return true;
}

// Finds the end record (the last one in the file, after which only its
// comment may follow) and, through its ZIP64 locator when there is one, the
// place, size and entry count of the central directory.
bool ZipDirectory::locate(QFile& file, Location& where) {
    const qint64 fileSize = file.size();
    fileSize_ = quint64(fileSize);
    // Most archives have no comment: their end record closes the file and a
    // short read holds it with the place of a ZIP64 locator before it.
    // Otherwise the whole longest tail is searched.
    QByteArray tail;
    qint64 tailSize = 0;
    qint64 end = -1;
    for (const qint64 wanted :
         {kEndSize + kZip64LocatorSize, kEndSize + kLongestComment + kZip64LocatorSize}) {
        tailSize = std::min(fileSize, wanted);
        if (tailSize < kEndSize || !file.seek(fileSize - tailSize))
            return fail(QStringLiteral("not a ZIP archive"));
        tail = file.read(tailSize);
        end = tail.size() - kEndSize;
        if (tailSize == fileSize || (end >= 0 && u32(tail.constData() + end) == kEndSignature))
            break;
    }
    while (end >= 0 && u32(tail.constData() + end) != kEndSignature)
        --end;
    if (end < 0)
        return fail(QStringLiteral("not a ZIP archive"));
    const char* record = tail.constData() + end;
    where = {u32(record + 16), u32(record + 12), u16(record + 10)};
    quint64 directoryEnd = quint64(fileSize - tailSize + end);
    const qint64 locator = end - kZip64LocatorSize;
    if (locator >= 0 && u32(tail.constData() + locator) == kZip64LocatorSignature) {
        const quint64 at = u64(tail.constData() + locator + 8);
        char zip64[kZip64EndSize];
        if (at > quint64(fileSize) || !file.seek(qint64(at)) ||
            file.read(zip64, kZip64EndSize) != kZip64EndSize || u32(zip64) != kZip64EndSignature)
            return fail(QStringLiteral("the ZIP64 end record is damaged"));
        where = {u64(zip64 + 48), u64(zip64 + 40), u64(zip64 + 32)};
        directoryEnd = at;
    }
    if (where.size > quint64(kMaxDirectoryBytes) || where.offset > directoryEnd ||
        where.size > directoryEnd - where.offset)
        return fail(QStringLiteral("the central directory does not fit the file"));
    return true;
}

bool ZipDirectory::membersShareData() const {
    quint64 packed = 0;
    for (const ZipMember& member : members_) {
        packed += member.packedSize;
        if (packed > fileSize_)
            return true;
    }
    return false;
}

void ZipDirectory::parse(const QByteArray& directory, quint64 entries) {
    const char* bytes = directory.constData();
    const qint64 size = directory.size();
    qint64 at = 0;
    members_.reserve(qsizetype(std::min<quint64>(entries, quint64(size / kEntrySize))));
    for (quint64 i = 0; i < entries && at + kEntrySize <= size; ++i) {
        const char* entry = bytes + at;
        if (u32(entry) != kEntrySignature)
            break;
        const qint64 nameLength = u16(entry + 28);
        const qint64 extraLength = u16(entry + 30);
        const qint64 next = at + kEntrySize + nameLength + extraLength + u16(entry + 32);
        if (next > size)
            break;
        ZipMember member;
        member.index = qint64(i);
        member.path = memberPathText(entry + kEntrySize, nameLength);
        member.encrypted = (u16(entry + 8) & 1) != 0;
        member.method = u16(entry + 10);
        member.dosTime = u16(entry + 12);
        member.dosDate = u16(entry + 14);
        member.crc = u32(entry + 16);
        member.packedSize = u32(entry + 20);
        member.size = u32(entry + 24);
        member.headerOffset = u32(entry + 42);
        readZip64Fields(entry + kEntrySize + nameLength, extraLength, member);
        members_.append(std::move(member));
        at = next;
    }
}

} // namespace fennick
