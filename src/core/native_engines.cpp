#include "core/native_engines.h"

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
//
// Release archives name the programs after the machine as well: the
// engine's name, a dot and the architecture ("ioquake3.x86_64",
// "quake3e.x64", "openarena.i386"). DarkPlaces spells its own way
// (`extraForms`, "%1" standing for its word for the machine).
struct EngineRow {
    const QString& game;
    const char* dataFolder;
    NativeEngine engine;
    const char* extraForms = nullptr; // space-separated; "%1": the machine
};

const EngineRow kRows[] = {
    {kQuake1, "id1", {"quakespasm", ".quakespasm"}},
    {kQuake1, "id1", {"vkquake", ""}},
    {kQuake1, "id1", {"ironwail", ""}},
    {kQuake1, "id1", {"darkplaces", ""}, "darkplaces-linux-%1-sdl darkplaces-linux-%1-glx"},
    {kQuake1, "id1", {"quake", ""}},
    {kQuake2, "baseq2", {"yquake2", ".yq2"}},
    {kQuake2, "baseq2", {"q2pro", ""}},
    {kQuake2, "baseq2", {"quake2", ".yq2"}},
    {kQuake3, "baseq3", {"ioquake3", ".q3a"}},
    {kQuake3, "baseq3", {"quake3e", ""}},
    {kQuake3, "baseq3", {"quake3", ".q3a"}},
    {kQuake3, "baseoa", {"openarena", ".openarena"}},
};

// How releases spell each architecture: after a dot in the usual form
// (ioquake3 and OpenArena write "x86_64" and "i386" or "x86", Quake3e
// "x64" and "aarch64"), and DarkPlaces' word in its own form.
struct Architecture {
    const char* names[3]; // what the machine calls itself
    const char* suffixes[2];
    const char* darkPlaces; // nullptr: no such release
};

const Architecture kArchitectures[] = {
    {{"x86_64", "amd64", "x64"}, {"x86_64", "x64"}, "x86_64"},
    {{"i386", "i686", "x86"}, {"x86", "i386"}, "686"},
    {{"arm64", "aarch64", nullptr}, {"aarch64", "arm64"}, nullptr},
};

const Architecture* architectureNamed(const QString& name) {
    for (const Architecture& architecture : kArchitectures)
        for (const char* alias : architecture.names)
            if (alias && name.compare(QLatin1String(alias), Qt::CaseInsensitive) == 0)
                return &architecture;
    return nullptr;
}

bool rowMatches(const EngineRow& row, const QString& game, const QString& dataFolder) {
    return row.game == game && dataFolder == QLatin1String(row.dataFolder);
}

} // namespace

QStringList knownEngineNames(const QString& game, const QString& dataFolder) {
    QStringList names;
    for (const EngineRow& row : kRows) {
        if (rowMatches(row, game, dataFolder))
            names.append(QLatin1String(row.engine.fileName));
    }
    return names;
}

QStringList engineFileNames(const QString& game, const QString& dataFolder,
                            const QString& architecture) {
    QStringList names = knownEngineNames(game, dataFolder);
    const Architecture* machine = architectureNamed(architecture);
    if (!machine)
        return names;
    for (const EngineRow& row : kRows) {
        if (!rowMatches(row, game, dataFolder))
            continue;
        const QString engine = QLatin1String(row.engine.fileName);
        for (const char* suffix : machine->suffixes)
            names.append(engine + QLatin1Char('.') + QLatin1String(suffix));
        if (row.extraForms && machine->darkPlaces) {
            for (const QString& form : QString::fromLatin1(row.extraForms).split(QLatin1Char(' ')))
                names.append(form.arg(QLatin1String(machine->darkPlaces)));
        }
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
