#include "app/native_engines.h"

#include "common/game_ids.h"

namespace fennick {

namespace {

// One row per engine, in the order they are looked for. The names are those of the
// engines' programs as Debian installs them ("/usr/games/quakespasm",
// "/usr/games/openarena", "/usr/lib/yamagi-quake2/quake2") and as the
// game-data-packager wrappers look for them ("yquake2", "ioquake3"), the
// wrappers themselves ("quake", "quake2", "quake3", which start the
// engine chosen for the game), and other well-known engines. Each
// wrapper shares the per-user folder of the engine it starts by default.
struct EngineRow {
    const QString& game;
    const char* dataFolder;
    NativeEngine engine;
};

const EngineRow kRows[] = {
    {kQuake1, "id1", {"quakespasm", ".quakespasm"}},
    {kQuake1, "id1", {"vkquake", ""}},
    {kQuake1, "id1", {"ironwail", ""}},
    {kQuake1, "id1", {"darkplaces", ""}},
    {kQuake1, "id1", {"quake", ""}},
    {kQuake2, "baseq2", {"yquake2", ".yq2"}},
    {kQuake2, "baseq2", {"q2pro", ""}},
    {kQuake2, "baseq2", {"quake2", ".yq2"}},
    {kQuake3, "baseq3", {"ioquake3", ".q3a"}},
    {kQuake3, "baseq3", {"quake3e", ""}},
    {kQuake3, "baseq3", {"quake3", ".q3a"}},
    {kQuake3, "baseoa", {"openarena", ".openarena"}},
};

} // namespace

QStringList knownEngineNames(const QString& game, const QString& dataFolder) {
    QStringList names;
    for (const EngineRow& row : kRows) {
        if (row.game == game && dataFolder == QLatin1String(row.dataFolder))
            names.append(QLatin1String(row.engine.fileName));
    }
    return names;
}

QString engineHomeFolder(const QString& engineFileName) {
    const QString name = engineFileName.section(QLatin1Char('.'), 0, 0);
    for (const EngineRow& row : kRows) {
        if (name.compare(QLatin1String(row.engine.fileName), Qt::CaseInsensitive) == 0)
            return QLatin1String(row.engine.homeFolder);
    }
    return {};
}

} // namespace fennick
