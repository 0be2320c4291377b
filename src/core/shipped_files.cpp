#include "core/shipped_files.h"

#include "common/record_reader.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <optional>

namespace fennick {

namespace {

// Lower-case relative name -> SHA-256 (hex) of the shipped version.
using ShippedRecord = QHash<QString, QByteArray>;

// Relative names ("Forms/q3_quake3_bot.frm") of every file below the
// shipped folder, sorted.
QStringList shippedNames(const QString& folder) {
    const QDir base(folder);
    QStringList names;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        names.append(base.relativeFilePath(it.next()));
    names.sort(Qt::CaseInsensitive);
    return names;
}

// Nothing when the file cannot be read (missing, a folder, no permission).
std::optional<QByteArray> hashOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return std::nullopt;
    return hash.result().toHex();
}

ShippedRecord readRecord(const QString& path) {
    ShippedRecord record;
    const std::optional<QString> text = platform::readText(path);
    if (!text)
        return record;
    RecordReader reader(*text);
    while (const std::optional<QStringList> fields = reader.nextRecord(2)) {
        if (!fields->at(0).isEmpty())
            record.insert(fields->at(0).toLower(), fields->at(1).toLatin1());
    }
    return record;
}

// One pass over the shipped files; stops at the first file it cannot bring.
class Seeder {
public:
    Seeder(const QString& shippedFolder, const QString& programFolder)
        : shipped_(shippedFolder), folder_(programFolder),
          recordPath_(platform::joinPath(programFolder, kShippedRecordName)),
          known_(readRecord(recordPath_)) {}

    SeedResult run() {
        const QStringList names = shippedNames(shipped_);
        for (const QString& name : names) {
            if (!bring(name))
                return result_;
        }
        if (copied_ > 0)
            result_.notes.prepend(QStringLiteral("Copied %1 shipped %2 into the program folder")
                                      .arg(copied_)
                                      .arg(copied_ == 1 ? "file" : "files"));
        QString error;
        if (seen_ != known_ && !platform::writeTextLines(recordPath_, recordLines(names), &error))
            fail(QStringLiteral("cannot write %1 (%2)").arg(recordPath_, error));
        return result_;
    }

private:
    bool bring(const QString& name) {
        const QString source = QDir(shipped_).filePath(name);
        const std::optional<QByteArray> shipped = hashOf(source);
        if (!shipped)
            return fail(QStringLiteral("cannot read %1").arg(source));
        const QString key = name.toLower();
        const QByteArray known = known_.value(key);
        seen_.insert(key, *shipped);
        const QString target = platform::joinPath(folder_, name);
        const std::optional<QString> mine = platform::resolvePath(target);
        if (!mine) {
            ++copied_;
            return copy(source, target);
        }
        const std::optional<QByteArray> current = hashOf(*mine);
        if (!current)
            return fail(QStringLiteral("cannot read %1").arg(*mine));
        if (*current == *shipped || known == *shipped)
            return true; // up to date, or this version was offered before
        if (*current == known) {
            result_.notes.append(
                QStringLiteral("Updated %1 to the newer shipped version").arg(name));
            return copy(source, *mine);
        }
        const QString offered = *mine + QStringLiteral(".new");
        result_.notes.append(QStringLiteral("A newer %1 is shipped with Fennick: it was written "
                                            "beside yours as %2, and yours was kept")
                                 .arg(name, platform::fileNameOf(offered)));
        return copy(source, offered);
    }

    bool copy(const QString& source, const QString& target) {
        QFile in(source);
        if (!in.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("cannot read %1").arg(source));
        const QByteArray bytes = in.readAll();
        const QString parent = target.left(target.size() - platform::fileNameOf(target).size());
        QString error;
        if (!platform::folderExists(parent) && !platform::makeFolder(parent, &error))
            return fail(error);
        if (!platform::writeFileBytes(target, bytes, &error))
            return fail(QStringLiteral("cannot write %1 (%2)").arg(target, error));
        return true;
    }

    bool fail(const QString& error) {
        result_.error = error;
        return false;
    }

    QStringList recordLines(const QStringList& names) const {
        QStringList lines;
        for (const QString& name : names)
            lines.append(quotedField(name) + QLatin1Char(',') +
                         quotedField(QString::fromLatin1(seen_.value(name.toLower()))));
        return lines;
    }

    const QString shipped_, folder_, recordPath_;
    const ShippedRecord known_;
    ShippedRecord seen_;
    SeedResult result_;
    int copied_ = 0;
};

} // namespace

SeedResult seedProgramFolder(const QString& shippedFolder, const QString& programFolder) {
    return Seeder(shippedFolder, programFolder).run();
}

} // namespace fennick
