#include "archive/zip_extraction.h"

#include "archive/member_pattern.h"
#include "archive/zip_directory.h"
#include "archive/zip_reader.h"
#include "platform/atomic_file.h"
#include "platform/file_system.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <optional>

namespace fennick {

namespace {

constexpr qint64 kMegabyte = 1024 * 1024;

bool isNameBreak(QChar c) {
    return c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':');
}

// Names Windows keeps for devices, whatever follows a dot.
bool isDeviceName(const QString& name) {
    static const QStringList devices = {
        QStringLiteral("con"),  QStringLiteral("prn"),  QStringLiteral("aux"),
        QStringLiteral("nul"),  QStringLiteral("com1"), QStringLiteral("com2"),
        QStringLiteral("com3"), QStringLiteral("com4"), QStringLiteral("lpt1"),
        QStringLiteral("lpt2"), QStringLiteral("lpt3")};
    return devices.contains(name.section(QLatin1Char('.'), 0, 0).trimmed(), Qt::CaseInsensitive);
}

// The files of the destination by folded name, read once per call: a name
// already there under another letter case is replaced, not doubled, as it
// would be on a system that ignores case.
class FolderNames {
public:
    explicit FolderNames(const QString& folder) : folder_(folder) {
        const QStringList entries =
            QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
        for (const QString& entry : entries)
            byFolded_.insert(entry.toCaseFolded(), entry);
    }
    QString pathFor(const QString& name) {
        const QString key = name.toCaseFolded();
        auto found = byFolded_.constFind(key);
        const QString spelled = found != byFolded_.constEnd() ? *found : name;
        byFolded_.insert(key, spelled);
        return QDir(folder_).filePath(spelled);
    }

private:
    QString folder_;
    QHash<QString, QString> byFolded_;
};

QVector<ZipMember> membersMatching(const ZipDirectory& directory, const QString& pattern) {
    const MemberPattern match(pattern);
    QVector<ZipMember> members;
    for (const ZipMember& member : directory.members())
        if (match.matches(member.path))
            members.append(member);
    return members;
}

// The destination as it stands on disk, made when missing; nothing (with
// the reason) when it cannot be made.
std::optional<QString> destinationFolder(const QString& destination, QString* error) {
    if (!platform::folderExists(destination) && !platform::makeFolder(destination, error))
        return std::nullopt;
    return platform::resolvePath(destination).value_or(platform::nativePath(destination));
}

QString sizeText(qint64 bytes) {
    return bytes % kMegabyte == 0 ? QStringLiteral("%1 MB").arg(bytes / kMegabyte)
                                  : QStringLiteral("%1 bytes").arg(bytes);
}

// One extraction call: the archive, where its files go and what is left of
// the budget of the whole call.
class Extraction {
public:
    Extraction(ZipReader& reader, const QString& archiveName, const QString& destination,
               const ExtractLimits& limits, ExtractResult& result)
        : reader_(reader), archiveName_(archiveName), names_(destination), limits_(limits),
          result_(result) {}

    void extract(const ZipMember& member);
    bool stopped() const { return stopped_; }

private:
    void skip(const ZipMember& member, const QString& why) {
        result_.problems.append(
            QStringLiteral("Skipped %1 in %2: %3").arg(member.path, archiveName_, why));
    }
    void stop() {
        stopped_ = true;
        result_.problems.append(QStringLiteral("Stopped extracting from %1 after %2")
                                    .arg(archiveName_, sizeText(limits_.totalBytes)));
    }

    ZipReader& reader_;
    QString archiveName_;
    FolderNames names_;
    ExtractLimits limits_;
    ExtractResult& result_;
    qint64 written_ = 0;
    bool stopped_ = false;
};

void Extraction::extract(const ZipMember& member) {
    const QString name = extractedFileName(member.path);
    if (name.isEmpty())
        return; // folders and names that give no file are not extracted
    if (reader_.pathOf(member.index) != member.path)
        return skip(member, QStringLiteral("the archive's directory is inconsistent"));
    if (member.encrypted)
        return skip(member, QStringLiteral("encrypted"));
    const QString tooLarge = QStringLiteral("larger than ") + sizeText(limits_.memberBytes);
    if (member.size > quint64(limits_.memberBytes))
        return skip(member, tooLarge);
    const qint64 left = limits_.totalBytes - written_;
    if (left <= 0)
        return stop();
    platform::AtomicFile file(names_.pathFor(name));
    QString error;
    if (!file.open(&error))
        return skip(member, error);
    const qint64 bound = std::min(limits_.memberBytes, left);
    qint64 size = 0;
    const auto result = reader_.read(member.index, bound, [&](const char* data, qint64 n) {
        size += n;
        return file.write(data, n);
    });
    if (result == ZipReader::ReadResult::TooLarge)
        return bound == limits_.memberBytes ? skip(member, tooLarge) : stop();
    if (result == ZipReader::ReadResult::Failed)
        return skip(member, reader_.errorText());
    if (!file.commit(&error))
        return skip(member, error);
    written_ += size;
    result_.written.append(name);
}

} // namespace

QString extractedFileName(const QString& memberPath) {
    qsizetype start = memberPath.size();
    while (start > 0 && !isNameBreak(memberPath[start - 1]))
        --start;
    const QString name = memberPath.mid(start);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        isDeviceName(name))
        return {};
    for (QChar c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return {};
    return name;
}

// The central directory says which members match without unpacking
// anything, so an archive holding none of them is never opened for
// extraction: a search through many archives for one script stays cheap.
ExtractResult UnzipFiles(const QString& archivePath, const QString& destination,
                         const QString& pattern, const ExtractLimits& limits) {
    ExtractResult result;
    ZipDirectory directory;
    if (!directory.read(archivePath)) {
        result.error = directory.errorText();
        return result;
    }
    result.readable = true;
    const QVector<ZipMember> wanted = membersMatching(directory, pattern);
    if (wanted.isEmpty())
        return result;
    const QString archiveName = QFileInfo(archivePath).fileName();
    if (directory.membersShareData()) {
        result.problems.append(
            QStringLiteral("Skipped %1: its members share their data (a zip bomb)")
                .arg(archiveName));
        return result;
    }
    ZipReader reader;
    if (!reader.open(archivePath)) {
        result.readable = false;
        result.error = reader.errorText();
        return result;
    }
    QString error;
    const std::optional<QString> folder = destinationFolder(destination, &error);
    if (!folder) {
        result.problems.append(
            QStringLiteral("Could not extract from %1: %2").arg(archiveName, error));
        return result;
    }
    Extraction extraction(reader, archiveName, *folder, limits, result);
    for (qsizetype i = 0; i < wanted.size() && !extraction.stopped(); ++i)
        extraction.extract(wanted[i]);
    return result;
}

} // namespace fennick
