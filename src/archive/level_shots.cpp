#include "archive/level_shots.h"

#include "archive/content_folders.h"
#include "archive/content_source.h"
#include "archive/levelshot_drawing.h"
#include "launch/launch_rules.h"
#include "platform/file_system.h"

#include <QImageReader>

namespace fennick {

namespace {

constexpr qsizetype kShortestName = 4;

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

// A picture that cannot be decoded counts as missing, so a damaged file in
// "temp" is extracted again rather than shown as nothing.
Levelshot LevelShots::fromTemp(const QString& fileName) const {
    const std::optional<QString> path = platform::resolvePath(content_.tempFile(fileName));
    if (!path)
        return notFound();
    QImageReader reader(*path);
    reader.setDecideFormatFromContent(true);
    QImage picture = reader.read();
    if (picture.isNull())
        return notFound();
    return {Levelshot::Outcome::Found, std::move(picture)};
}

Levelshot LevelShots::fromArchives(const QString& folder, const QString& pattern,
                                   const QString& fileName) {
    for (const QString& archive : pk3Archives(folder)) {
        content_.extract(archive, pattern);
        Levelshot shot = fromTemp(fileName);
        if (shot.outcome == Levelshot::Outcome::Found)
            return shot;
        content_.yieldOnce();
    }
    return notFound();
}

Levelshot LevelShots::FindLevelshot(const QString& map) {
    const bool plain = isPlainMapName(map);
    const QString fileName = map + QStringLiteral(".jpg");
    if (plain) {
        Levelshot cached = fromTemp(fileName);
        if (cached.outcome == Levelshot::Outcome::Found)
            return cached;
    }
    if (map.size() < kShortestName)
        return {Levelshot::Outcome::NameTooShort, {}};
    if (!plain || !content_.quake3IsCurrent())
        return notFound();
    Levelshot shot =
        fromArchives(content_.baseFolder(), QStringLiteral("*\\") + fileName, fileName);
    if (shot.outcome == Levelshot::Outcome::Found || content_.modKey().isEmpty())
        return shot;
    return fromArchives(content_.currentModFolder(),
                        QStringLiteral("*\\") + map.toUpper() + QStringLiteral(".jpg"), fileName);
}

bool LevelShots::ShowLevelshot(const QString& map, QImage& area, const QColor& background) {
    const Levelshot shot = FindLevelshot(map);
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
