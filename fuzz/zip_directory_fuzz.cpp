// Feeds arbitrary bytes, as a .pk3 file, to the central directory reader
// and to the reader of single members straight from the file (the arena
// scripts of a map scan). Besides crashes and sanitizer reports it checks
// that a member read straight from the file has the size its entry
// declares and the same bytes as libzip gives, and that every member
// report line is 80 columns.
#include "archive/zip_directory.h"
#include "archive/zip_listing.h"
#include "archive/zip_member_data.h"
#include "archive/zip_reader.h"
#include "fuzz_support.h"
#include "platform/text_file.h"

#include <QFile>
#include <QTemporaryDir>

using namespace fennick;

namespace {

constexpr qint64 kLimit = 1 << 20;
const char* const kTarget = "zip_directory";

void compareWithLibzip(ZipReader& reader, const ZipMember& member, const QByteArray& bytes) {
    if (reader.pathOf(member.index) != member.path)
        return;
    QByteArray theirs;
    const ZipReader::ReadResult result =
        reader.read(member.index, kLimit, [&theirs](const char* data, qint64 size) {
            theirs.append(data, size);
            return true;
        });
    if (result == ZipReader::ReadResult::Done && theirs != bytes)
        fuzz::fail(kTarget, "member reads otherwise through libzip", member.path);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fuzz.pk3"));
    if (!platform::writeFileBytes(path, fuzz::bytesOf(data, size)))
        return 0;
    ZipDirectory directory;
    if (!directory.read(path))
        return 0;
    (void)directory.membersShareData();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    ZipReader reader;
    const bool libzipOpens = reader.open(path);
    for (const ZipMember& member : directory.members()) {
        if (zipReportLine(member).size() != 80)
            fuzz::fail(kTarget, "report line not 80 columns", zipReportLine(member));
        const MemberData read = readMemberData(file, member, kLimit);
        if (read.outcome != MemberData::Outcome::Done)
            continue;
        if (quint64(read.bytes.size()) != member.size)
            fuzz::fail(kTarget, "member not of its declared size", member.path);
        if (libzipOpens)
            compareWithLibzip(reader, member, read.bytes);
    }
    return 0;
}
