#include "archive/level_shots.h"

#include "archive/content_folders.h"
#include "archive/content_source.h"
#include "archive/levelshot_drawing.h"
#include "archive/member_pattern.h"
#include "archive/tga_reader.h"
#include "archive/zip_directory.h"
#include "core/launch_rules.h"
#include "platform/file_system.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <algorithm>

namespace fennick {

namespace {

constexpr qsizetype kShortestName = 4;
// The picture formats the games keep level shots in, in the order they
// are looked for.
const QStringList kExtensions = {QStringLiteral(".jpg"), QStringLiteral(".tga"),
                                 QStringLiteral(".png")};
// Level shots are small; anything larger is not decoded.
constexpr qint64 kMaxPictureBytes = 64LL * 1024 * 1024;

Levelshot notFound() {
    return {Levelshot::Outcome::NotFound, {}};
}

} // namespace

bool isPlainMapName(const QString& map) {
    if (!isSafeNamePart(map))
        return false;
    for (QChar c : map)
        if (c == QLatin1Char(':') || c == QLatin1Char('*') || c == QLatin1Char('?') ||
            c.unicode() < 0x20)
            return false;
    return true;
}

QImage readLevelshotPicture(const QString& path) {
    QFile file(path);
    if (file.size() > kMaxPictureBytes || !file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    // TGA has no signature: its header is checked instead.
    if (path.endsWith(QLatin1String(".tga"), Qt::CaseInsensitive) || TgaReader::canRead(bytes)) {
        QImage picture = TgaReader::read(bytes);
        if (!picture.isNull())
            return picture;
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > TgaReader::kMaxSide ||
        size.height() > TgaReader::kMaxSide)
        return {};
    return reader.read();
}

// A picture that cannot be decoded counts as missing, so a damaged file in
// "temp" is extracted again rather than shown as nothing.
Levelshot LevelShots::fromTemp(const QString& fileName) const {
    const std::optional<QString> path = platform::resolvePath(content_.tempFile(fileName));
    if (!path)
        return notFound();
    QImage picture = readLevelshotPicture(*path);
    if (picture.isNull())
        return notFound();
    return {Levelshot::Outcome::Found, std::move(picture)};
}

Levelshot LevelShots::fromTempAnyFormat(const QString& map) const {
    for (const QString& extension : kExtensions) {
        Levelshot shot = fromTemp(map + extension);
        if (shot.outcome == Levelshot::Outcome::Found)
            return shot;
    }
    return notFound();
}

// Each archive's directory tells which of the formats it holds, so only
// that member is extracted.
Levelshot LevelShots::fromArchives(const QString& folder, const QString& patternName,
                                   const QString& map) {
    for (const QString& archive : pk3Archives(folder)) {
        ZipDirectory directory;
        const bool listed = directory.read(archive);
        for (const QString& extension : kExtensions) {
            const QString pattern = QStringLiteral("*\\") + patternName + extension;
            const MemberPattern wanted(pattern);
            if (listed && std::none_of(directory.members().cbegin(), directory.members().cend(),
                                       [&wanted](const ZipMember& member) {
                                           return wanted.matches(member.path);
                                       }))
                continue;
            content_.extract(archive, pattern);
            Levelshot shot = fromTemp(map + extension);
            if (shot.outcome == Levelshot::Outcome::Found)
                return shot;
            if (!listed)
                break; // the extraction has reported the unreadable archive
        }
        content_.yieldOnce();
    }
    return notFound();
}

Levelshot LevelShots::findLevelshot(const QString& map) {
    const bool plain = isPlainMapName(map);
    if (plain) {
        Levelshot cached = fromTempAnyFormat(map);
        if (cached.outcome == Levelshot::Outcome::Found)
            return cached;
    }
    if (map.size() < kShortestName)
        return {Levelshot::Outcome::NameTooShort, {}};
    if (!plain || !content_.quake3IsCurrent())
        return notFound();
    Levelshot shot = fromArchives(content_.baseFolder(), map, map);
    if (shot.outcome == Levelshot::Outcome::Found || content_.modKey().isEmpty())
        return shot;
    return fromArchives(content_.currentModFolder(), map.toUpper(), map);
}

bool LevelShots::ShowLevelshot(const QString& map, QImage& area, const QColor& background) {
    const Levelshot shot = findLevelshot(map);
    switch (shot.outcome) {
    case Levelshot::Outcome::Found:
        drawLevelshot(area, shot.picture);
        return true;
    case Levelshot::Outcome::NotFound:
        area.fill(background);
        return false;
    case Levelshot::Outcome::NameTooShort:
        break;
    }
    return false;
}

} // namespace fennick
