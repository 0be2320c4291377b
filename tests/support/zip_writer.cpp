#include "support/zip_writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace fennick::test {

namespace {

quint32 crc32Of(const QByteArray& data) {
    quint32 crc = 0xffffffffu;
    for (const char byte : data) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// Raw deflate data: zlib's stream from qCompress without its 4-byte length,
// 2-byte header and 4-byte checksum.
QByteArray rawDeflate(const QByteArray& data) {
    const QByteArray wrapped = qCompress(data, 9);
    return wrapped.mid(6, wrapped.size() - 10);
}

class Bytes {
public:
    void u16(quint32 v) { le<quint16>(quint16(v)); }
    void u32(quint32 v) { le<quint32>(v); }
    void u64(quint64 v) { le<quint64>(v); }
    void raw(const QByteArray& b) { out += b; }
    quint64 size() const { return quint64(out.size()); }
    QByteArray out;

private:
    template <typename T> void le(T v) {
        char b[sizeof(T)];
        qToLittleEndian(v, b);
        out.append(b, sizeof(T));
    }
};

struct Written {
    quint64 offset;
    quint32 crc, packed, size, time, date, flags, method;
};

Written writeLocal(Bytes& b, const ZipEntry& e) {
    const QByteArray packed = e.deflate ? rawDeflate(e.data) : e.data;
    const QDate d = e.modified.date();
    const QTime t = e.modified.time();
    Written w{b.size(),
              e.crc.value_or(crc32Of(e.data)),
              quint32(packed.size()),
              e.declaredSize.value_or(quint32(e.data.size())),
              quint32(t.hour() << 11 | t.minute() << 5 | t.second() / 2),
              quint32((d.year() - 1980) << 9 | d.month() << 5 | d.day()),
              quint32((e.encrypted ? 1 : 0) | 0x800),
              quint32(e.deflate ? 8 : 0)};
    b.u32(0x04034b50);
    for (quint32 v : {20u, w.flags, w.method, w.time, w.date})
        b.u16(v);
    for (quint32 v : {w.crc, w.packed, w.size})
        b.u32(v);
    b.u16(quint32(e.name.size()));
    b.u16(0);
    b.raw(e.name);
    b.raw(packed);
    return w;
}

void writeCentral(Bytes& b, const ZipEntry& e, const Written& w) {
    b.u32(0x02014b50);
    for (quint32 v : {20u, 20u, w.flags, w.method, w.time, w.date})
        b.u16(v);
    for (quint32 v : {w.crc, w.packed, w.size})
        b.u32(v);
    for (quint32 v : {quint32(e.name.size()), 0u, 0u, 0u, 0u})
        b.u16(v);
    b.u32(0);
    b.u32(quint32(w.offset));
    b.raw(e.name);
}

void writeEnd(Bytes& b, quint64 count, quint64 centralStart) {
    const quint64 centralSize = b.size() - centralStart;
    const bool zip64 = count > 0xffff;
    if (zip64) {
        const quint64 recordAt = b.size();
        b.u32(0x06064b50);
        b.u64(44);
        b.u16(45);
        b.u16(45);
        b.u32(0);
        b.u32(0);
        b.u64(count);
        b.u64(count);
        b.u64(centralSize);
        b.u64(centralStart);
        b.u32(0x07064b50);
        b.u32(0);
        b.u64(recordAt);
        b.u32(1);
    }
    b.u32(0x06054b50);
    b.u16(0);
    b.u16(0);
    b.u16(zip64 ? 0xffff : quint32(count));
    b.u16(zip64 ? 0xffff : quint32(count));
    b.u32(quint32(centralSize));
    b.u32(quint32(centralStart));
    b.u16(0);
}

} // namespace

QByteArray zipBytes(const QVector<ZipEntry>& entries) {
    Bytes b;
    QVector<Written> written;
    for (const ZipEntry& e : entries)
        written.append(e.sharesDataOf >= 0 ? written[e.sharesDataOf] : writeLocal(b, e));
    const quint64 centralStart = b.size();
    for (qsizetype i = 0; i < entries.size(); ++i)
        writeCentral(b, entries[i], written[i]);
    writeEnd(b, quint64(entries.size()), centralStart);
    return b.out;
}

QString writeZip(const QString& path, const QVector<ZipEntry>& entries) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(zipBytes(entries));
    return path;
}

ZipEntry member(const QByteArray& name, const QByteArray& data) {
    ZipEntry e;
    e.name = name;
    e.data = data;
    return e;
}

} // namespace fennick::test
