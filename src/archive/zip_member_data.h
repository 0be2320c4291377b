#pragma once

#include "archive/zip_member.h"

#include <QByteArray>
#include <QString>

class QFile;

namespace fennick {

// One member's bytes read straight from an open archive file, by the place
// its central directory entry gives, without opening the archive through
// the general reader. For small members read from many archives (the arena
// scripts during a map scan), where the general reader's cost of opening an
// archive would dwarf the read itself.
//
// The archive is untrusted: the local header is checked, the output is
// bounded by `limit` whatever the member declares, and the data must match
// the declared size and checksum.
struct MemberData {
    enum class Outcome { Done, TooLarge, Failed };
    Outcome outcome = Outcome::Failed;
    QByteArray bytes; // when Done
    QString error;    // why it Failed
};

MemberData readMemberData(QFile& archive, const ZipMember& member, qint64 limit);

} // namespace fennick
