#include "archive/zip_member_data.h"

#include <QFile>
#include <QtEndian>
#include <zlib.h>

namespace fennick {

namespace {

constexpr quint32 kLocalSignature = 0x04034b50;
constexpr qint64 kLocalHeaderSize = 30;
constexpr quint16 kStored = 0;
constexpr quint16 kDeflated = 8;
constexpr qint64 kChunk = 64 * 1024;

MemberData failed(const QString& why) {
    return {MemberData::Outcome::Failed, {}, why};
}

// Where the member's data starts, after its local header; -1 when the
// header is not there.
qint64 dataOffset(QFile& archive, const ZipMember& member) {
    char header[kLocalHeaderSize];
    if (member.headerOffset > quint64(archive.size()) ||
        !archive.seek(qint64(member.headerOffset)) ||
        archive.read(header, kLocalHeaderSize) != kLocalHeaderSize ||
        qFromLittleEndian<quint32>(header) != kLocalSignature)
        return -1;
    return qint64(member.headerOffset) + kLocalHeaderSize +
           qFromLittleEndian<quint16>(header + 26) + qFromLittleEndian<quint16>(header + 28);
}

// Inflates raw deflate data of `packed` bytes from the file's position.
MemberData inflateFrom(QFile& archive, quint64 packed, qint64 limit) {
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return failed(QStringLiteral("cannot start inflating"));
    QByteArray out;
    QByteArray in;
    int status = Z_OK;
    while (status != Z_STREAM_END) {
        if (stream.avail_in == 0) {
            in = archive.read(qint64(std::min<quint64>(packed, kChunk)));
            if (in.isEmpty())
                break;
            packed -= quint64(in.size());
            stream.next_in = reinterpret_cast<Bytef*>(in.data());
            stream.avail_in = uInt(in.size());
        }
        char buffer[kChunk];
        stream.next_out = reinterpret_cast<Bytef*>(buffer);
        stream.avail_out = uInt(kChunk);
        status = inflate(&stream, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END)
            break;
        out.append(buffer, kChunk - qint64(stream.avail_out));
        if (out.size() > limit) {
            inflateEnd(&stream);
            return {MemberData::Outcome::TooLarge, {}, {}};
        }
    }
    inflateEnd(&stream);
    if (status != Z_STREAM_END)
        return failed(QStringLiteral("damaged compressed data"));
    return {MemberData::Outcome::Done, out, {}};
}

} // namespace

MemberData readMemberData(QFile& archive, const ZipMember& member, qint64 limit) {
    if (member.encrypted)
        return failed(QStringLiteral("encrypted"));
    if (member.size > quint64(limit))
        return {MemberData::Outcome::TooLarge, {}, {}};
    const qint64 start = dataOffset(archive, member);
    if (start < 0 || quint64(start) > quint64(archive.size()) ||
        member.packedSize > quint64(archive.size() - start) || !archive.seek(start))
        return failed(QStringLiteral("the member's header is damaged"));
    MemberData data;
    if (member.method == kStored) {
        if (member.packedSize > quint64(limit))
            return {MemberData::Outcome::TooLarge, {}, {}};
        data = {MemberData::Outcome::Done, archive.read(qint64(member.packedSize)), {}};
        if (quint64(data.bytes.size()) != member.packedSize)
            return failed(QStringLiteral("the member is cut short"));
    } else if (member.method == kDeflated) {
        data = inflateFrom(archive, member.packedSize, limit);
    } else {
        return failed(QStringLiteral("unsupported compression method %1").arg(member.method));
    }
    if (data.outcome != MemberData::Outcome::Done)
        return data;
    if (quint64(data.bytes.size()) != member.size)
        return failed(QStringLiteral("the member's size is wrong"));
    const uLong crc =
        crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(data.bytes.constData()),
              uInt(data.bytes.size()));
    if (quint32(crc) != member.crc)
        return failed(QStringLiteral("wrong checksum"));
    return data;
}

} // namespace fennick
