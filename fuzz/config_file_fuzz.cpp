// Feeds arbitrary bytes to the settings file loader as a game's general
// file, a configuration (".fkc", header included) and a player profile
// "p" (".fkp"), cut at the first two NUL bytes. They are loaded as a
// configuration is chosen, saved as a launch saves them, loaded and saved
// again. Besides crashes and sanitizer reports it checks that the second
// load gives every saved cvar with the same value, kind and file (a double
// quote comes back as an apostrophe), and that the second save writes the
// same files: nothing moves from one file to another and nothing is lost.
#include "app/program.h"
#include "fuzz_support.h"
#include "platform/text_file.h"

#include <QDir>
#include <QMap>
#include <QTemporaryDir>

using namespace fennick;

namespace {

const char* const kTarget = "config_file";

// A few cvars of each file, the video cvars whose changes set each other,
// and the program's own.
const QString kCatalogue = QStringLiteral("\"quake3\",\"fenkit_player\",1,-1,0,0,\"\",\"\"\n"
                                          "\"quake3\",\"fenkit_timesused\",-1,-1,0,0,\"\",\"\"\n"
                                          "\"quake3\",\"name\",2,1,0,0,\"\",\"\"\n"
                                          "\"quake3\",\"sensitivity\",2,1,0,0,\"\",\"\"\n"
                                          "\"quake3\",\"com_hunkmegs\",1,2,0,0,\"\",\"\"\n"
                                          "\"quake3\",\"fenkit_mode\",1,-1,0,0,\"\",\"\"\n"
                                          "\"quake3\",\"r_mode\",1,2,0,0,\"\",\"\"\n"
                                          "\"quake3\",\"r_fullscreen\",1,2,0,0,\"\",\"\"\n"
                                          "\"quake3\",\"g_gametype\",0,1,0,0,\"\",\"\"\n"
                                          "\"quake3\",\"sp_skill\",-1,1,0,0,\"\",\"\"\n");

struct Saved {
    QString value;
    QString kind;
    qint32 scope;
    bool operator==(const Saved&) const = default;
};

struct Outcome {
    QMap<QString, Saved> cvars; // the cvars a save writes
    QMap<QString, QString> files;
};

std::unique_ptr<Program> programOver(const QString& folder, const QStringList& header) {
    std::unique_ptr<Program> program = fuzz::makeProgram(folder);
    program->catalogue.loadText(kCatalogue);
    program->game.currentGame = QStringLiteral("quake3");
    program->game.currentModKey = QStringLiteral("quake3");
    program->configs.description = header.value(0);
    program->configs.configurationName = header.value(1);
    return program;
}

// Loads as choosing the configuration does, then saves as a launch does.
Outcome loadAndSave(Program& program, const QDir& config) {
    program.cvars.ClearCvars();
    program.configs.LoadConfigFile(program.configs.generalFilePath());
    const auto found = program.configs.FindConfigurationFile(program.configs.configurationName);
    if (found.exists)
        program.configs.LoadConfigFile(found.path);
    Outcome outcome;
    for (const CvarRecord& r : program.cvars.records()) {
        if (r.scope >= 0)
            outcome.cvars.insert(r.name, {r.value, r.kind, r.scope});
    }
    program.configs.SaveConfiguration();
    for (const QString& name : config.entryList(QDir::Files))
        outcome.files.insert(name, platform::readText(config.filePath(name)).value_or(QString()));
    return outcome;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QList<QByteArray> parts = fuzz::partsOf(fuzz::bytesOf(data, size), 3);
    QTemporaryDir dir;
    QDir config(dir.filePath(QStringLiteral("config")));
    if (!QDir().mkpath(config.path()) ||
        !platform::writeFileBytes(config.filePath(QStringLiteral("q3_general.cfg")), parts[0]) ||
        !platform::writeFileBytes(config.filePath(QStringLiteral("q3_quake3_0.fkc")), parts[1]) ||
        !platform::writeFileBytes(config.filePath(QStringLiteral("q3_p.fkp")), parts[2]))
        return 0;
    const QStringList header = platform::splitLines(platform::decodeText(parts[1])).mid(0, 2);

    Outcome first = loadAndSave(*programOver(dir.path(), header), config);
    const Outcome again = loadAndSave(*programOver(dir.path(), header), config);
    for (auto it = first.cvars.begin(); it != first.cvars.end(); ++it) {
        it->value = fuzz::asQuotedField(it->value);
        if (it->kind.isEmpty())
            it->kind = QStringLiteral("set"); // a step command's cvar is saved as a "set"
        if (again.cvars.value(it.key(), {QString(), QString(), -2}) != *it)
            fuzz::fail(kTarget, "a saved cvar reads back otherwise", it.key());
    }
    for (auto it = first.files.cbegin(); it != first.files.cend(); ++it)
        if (again.files.value(it.key()) != *it)
            fuzz::fail(kTarget, "the second save writes another file", it.key());
    return 0;
}
