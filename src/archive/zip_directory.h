#pragma once

#include "archive/zip_member.h"

#include <QString>
#include <QVector>

class QFile;

namespace fennick {

// The central directory of a ZIP archive, read straight from the file: the
// members' paths, sizes and stored dates without opening any member. This
// is what a listing needs, and reading it directly keeps a listing of many
// archives as fast as a dedicated ZIP tool (the general reader converts
// every member's date through the time zone when it opens an archive).
//
// The file is untrusted: every field is checked against the bytes that
// are there, the directory is read only up to 64 MB, and an entry that
// does not fit ends the directory with the members read so far.
class ZipDirectory {
public:
    // Reads the directory of a plain file; false (with errorText()) when it
    // is missing, not a plain file or not a ZIP archive.
    bool read(const QString& path);
    const QString& errorText() const { return error_; }
    const QVector<ZipMember>& members() const { return members_; }

    // True when the members' compressed data, added up, is larger than the
    // archive itself: members then share their data, the shape of a zip
    // bomb built from overlapping entries.
    bool membersShareData() const;

    static constexpr qint64 kMaxDirectoryBytes = 64LL * 1024 * 1024;

private:
    struct Location {
        quint64 offset = 0;
        quint64 size = 0;
        quint64 entries = 0;
    };
    bool fail(const QString& why);
    bool locate(QFile& file, Location& where);
    void parse(const QByteArray& directory, quint64 entries);

    QVector<ZipMember> members_;
    quint64 fileSize_ = 0;
    QString error_;
};

} // namespace fennick
