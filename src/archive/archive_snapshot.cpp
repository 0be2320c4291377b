#include "archive/archive_snapshot.h"

#include "archive/content_folders.h"
#include "archive/content_source.h"
#include "archive/member_pattern.h"
#include "archive/zip_extraction.h"
#include "archive/zip_listing.h"
#include "archive/zip_member_data.h"
#include "platform/atomic_file.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

#include <QFile>
#include <QFileInfo>

namespace fennick {

namespace {

const QString kArenaFile = QStringLiteral("arenas.txt");
const QString kArenaPattern = QStringLiteral("*renas.txt");
const QLatin1String kLineEnd("\r\n");
constexpr qint64 kMegabyte = 1024 * 1024;

QString tooLargeText(qint64 limit) {
    return limit % kMegabyte == 0 ? QStringLiteral("larger than %1 MB").arg(limit / kMegabyte)
                                  : QStringLiteral("larger than %1 bytes").arg(limit);
}

} // namespace

ArchiveSnapshot::~ArchiveSnapshot() = default;

ArchiveSnapshot::Folder& ArchiveSnapshot::folder(const QString& path) {
    std::shared_ptr<Folder>& entry = folders_[path];
    if (!entry) {
        entry = std::make_shared<Folder>();
        entry->archives = pk3Archives(path);
        entry->read.fill(nullptr, entry->archives.size());
    }
    return *entry;
}

ArchiveSnapshot::Archive& ArchiveSnapshot::archive(const QString& path) {
    std::shared_ptr<Archive>& entry = archives_[path];
    if (!entry) {
        entry = std::make_shared<Archive>();
        entry->readable = entry->directory.read(path);
    }
    return *entry;
}

const ZipDirectory* ArchiveSnapshot::directory(const QString& path) {
    const Archive& read = archive(path);
    return read.readable ? &read.directory : nullptr;
}

QString ArchiveSnapshot::listing(const QString& path, const QString& pattern) {
    const Archive& read = archive(path);
    if (!read.readable)
        return {};
    const MemberPattern match(pattern);
    QString report;
    for (const ZipMember& member : read.directory.members()) {
        if (!match.matches(member.path))
            continue;
        if (report.isEmpty())
            report = zipReportHeader() + kLineEnd;
        report += zipReportLine(member) + kLineEnd;
    }
    return report;
}

const ArenaScript* ArchiveSnapshot::scriptOf(const QString& path, Archive& read) {
    if (!read.scriptRead) {
        read.scriptRead = true;
        readScript(path, read);
    }
    return read.script.get();
}

const ArenaScript* ArchiveSnapshot::arenaScript(const QString& path) {
    return scriptOf(path, archive(path));
}

const ArenaScript* ArchiveSnapshot::arenaScript(Folder& folder, qsizetype index) {
    Archive*& read = folder.read[index];
    if (!read)
        read = &archive(folder.archives[index]);
    return scriptOf(folder.archives[index], *read);
}

// The members an extraction of "*renas.txt" would write as "arenas.txt",
// in directory order: the last one read whole is what "temp" would hold.
void ArchiveSnapshot::readScript(const QString& path, Archive& read) {
    if (!read.readable) {
        content_.reportOnce(QStringLiteral("Could not read %1 (%2)")
                                .arg(platform::nativePath(path), read.directory.errorText()));
        return;
    }
    const QString archiveName = QFileInfo(path).fileName();
    const MemberPattern match(kArenaPattern);
    QFile file;
    for (const ZipMember& member : read.directory.members()) {
        if (!match.matches(member.path) ||
            extractedFileName(member.path).compare(kArenaFile, Qt::CaseInsensitive) != 0)
            continue;
        if (read.directory.membersShareData()) {
            content_.reportOnce(
                QStringLiteral("Skipped %1: its members share their data (a zip bomb)")
                    .arg(archiveName));
            return;
        }
        if (!file.isOpen()) {
            file.setFileName(path);
            if (!file.open(QIODevice::ReadOnly))
                return;
        }
        const MemberData data = readMemberData(file, member, content_.limits.memberBytes);
        if (data.outcome == MemberData::Outcome::Done)
            read.scriptBytes = data.bytes;
        else
            content_.reportOnce(QStringLiteral("Skipped %1 in %2: %3")
                                    .arg(member.path, archiveName,
                                         data.outcome == MemberData::Outcome::TooLarge
                                             ? tooLargeText(content_.limits.memberBytes)
                                             : data.error));
    }
    if (read.scriptBytes)
        read.script = std::make_unique<ArenaScript>(platform::decodeText(*read.scriptBytes));
}

const std::optional<QStringList>& ArchiveSnapshot::textLines(const QString& path) {
    auto found = texts_.find(path);
    if (found == texts_.end())
        found = texts_.insert(path, platform::readTextLines(path));
    return *found;
}

void ArchiveSnapshot::leaveArenaScript(const QString& archive) {
    left_ = archive.isEmpty() ? Left::Nothing : Left::Script;
    leftArchive_ = archive;
}

void ArchiveSnapshot::finish() {
    const Left left = std::exchange(left_, Left::Untouched);
    if (left == Left::Untouched)
        return;
    content_.removeTempFile(kArenaFile);
    const auto found = archives_.constFind(leftArchive_);
    if (left == Left::Nothing || found == archives_.constEnd() || !(*found)->scriptBytes)
        return;
    const QString target = content_.tempFile(kArenaFile);
    const QString folder = platform::parentFolderOf(target);
    // Written as an extraction writes it: whole or not at all, but not
    // flushed to disk, since it can always be extracted again.
    const QByteArray& bytes = *(*found)->scriptBytes;
    QString error;
    platform::AtomicFile file(target);
    if ((!platform::folderExists(folder) && !platform::makeFolder(folder, &error)) ||
        !file.open(&error) || !file.write(bytes.constData(), bytes.size()) || !file.commit(&error))
        content_.reportOnce(
            QStringLiteral("Could not write %1: %2").arg(platform::nativePath(target), error));
}

} // namespace fennick
