#include "core/native_engines.h"

#include "core/game_facts.h"

namespace fennick {

namespace {

// The engines of a game's edition with this base data folder, as the table
// of games lists them; none for an unknown game or folder.
QVector<NativeEngine> enginesOf(const QString& game, const QString& dataFolder) {
    const GameEdition* edition = gameFacts(game).edition(dataFolder);
    return edition ? edition->engines : QVector<NativeEngine>();
}

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

} // namespace

QStringList knownEngineNames(const QString& game, const QString& dataFolder) {
    QStringList names;
    for (const NativeEngine& engine : enginesOf(game, dataFolder))
        names.append(QLatin1String(engine.fileName));
    return names;
}

QStringList engineFileNames(const QString& game, const QString& dataFolder,
                            const QString& architecture) {
    QStringList names = knownEngineNames(game, dataFolder);
    const Architecture* machine = architectureNamed(architecture);
    if (!machine)
        return names;
    for (const NativeEngine& engine : enginesOf(game, dataFolder)) {
        const QString name = QLatin1String(engine.fileName);
        for (const char* suffix : machine->suffixes)
            names.append(name + QLatin1Char('.') + QLatin1String(suffix));
        if (engine.extraForms && machine->darkPlaces) {
            for (const QString& form :
                 QString::fromLatin1(engine.extraForms).split(QLatin1Char(' ')))
                names.append(form.arg(QLatin1String(machine->darkPlaces)));
        }
    }
    return names;
}

QString engineHomeFolder(const QString& engineFileName) {
    const QString name = engineFileName.section(QLatin1Char('.'), 0, 0);
    for (const GameFacts& game : allGames())
        for (const GameEdition& edition : game.editions)
            for (const NativeEngine& engine : edition.engines)
                if (name.compare(QLatin1String(engine.fileName), Qt::CaseInsensitive) == 0)
                    return QLatin1String(engine.homeFolder);
    return {};
}

} // namespace fennick
