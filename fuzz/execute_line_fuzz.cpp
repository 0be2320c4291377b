// Feeds arbitrary bytes to the command language: as one console line with
// echo on, then line by line with echo off, as a settings file is run.
// Besides crashes and sanitizer reports it checks what must always hold:
// cvar names stay unique in the store, and a plain cvar written back in its
// line form reads back to the same value and kind.
#include "app/program.h"
#include "console/cvar_record.h"
#include "fuzz_support.h"
#include "platform/text_file.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>

namespace {

using namespace fennick;

// A program folder with a few player profiles, among them ones that load
// themselves and each other.
struct Fixture {
    Fixture() {
        QDir(dir.path()).mkdir(QStringLiteral("config"));
        platform::writeFileBytes(dir.filePath(QStringLiteral("config/q3_self.fkp")),
                                 "set fenkit_player self\r\nseta from_self 1\r\n");
        platform::writeFileBytes(dir.filePath(QStringLiteral("config/q3_a.fkp")),
                                 "set fenkit_player b|set from_a 1\r\n");
        platform::writeFileBytes(dir.filePath(QStringLiteral("config/q3_b.fkp")),
                                 "set fenkit_player a\r\nbind x \"+a b\"\r\n");
    }
    std::unique_ptr<Program> program() const {
        std::unique_ptr<Program> p = fuzz::makeProgram(dir.path());
        p->catalogue.loadText(kCatalogue);
        p->game.currentGame = QStringLiteral("quake3");
        p->interpreter.videoHook = [](const QString&, const QString&) {};
        return p;
    }
    QTemporaryDir dir;
    const QString kCatalogue =
        QStringLiteral("\"quake3\",\"g_gametype\",1,2,0,2,\"\\\\Type\\\\x\",\"\"\r\n"
                       "\"quake3\",\"r_mode\",0,2,0,0,\"\",\"\"\r\n"
                       "\"quake3\",\"fenkit_timesused\",1,-1,0,0,\"\",\"\"\r\n");
};

bool isMapName(const QString& name) {
    static const QSet<QString> names = {QStringLiteral("demo"),    QStringLiteral("map"),
                                        QStringLiteral("connect"), QStringLiteral("demomap"),
                                        QStringLiteral("arena"),   QStringLiteral("devmap")};
    return names.contains(name);
}

// The records whose line form must read back unchanged: a command word as
// kind, a name and a value that the tokenizer cannot take apart.
bool roundTrips(const CvarRecord& r) {
    static const QSet<QString> kinds = {QStringLiteral("set"), QStringLiteral("seta"),
                                        QStringLiteral("bind")};
    const auto breaks = [](QChar c) {
        return c == QLatin1Char('"') || c == QLatin1Char('|') || c == QLatin1Char('\r') ||
               c == QLatin1Char('\n');
    };
    return kinds.contains(r.kind) && !r.name.isEmpty() && !r.value.isEmpty() &&
           !isMapName(r.name) && r.name != QLatin1String("fenkit_player") &&
           !r.name.contains(QLatin1Char(' ')) &&
           std::none_of(r.name.begin(), r.name.end(), breaks) &&
           std::none_of(r.value.begin(), r.value.end(), breaks);
}

void checkStore(const Program& program, const Fixture& fixture) {
    QSet<QString> seen;
    for (const CvarRecord& r : program.cvars.records()) {
        if (seen.contains(r.name))
            fuzz::fail("execute_line", "a name twice in the store", r.name);
        seen.insert(r.name);
    }
    for (const CvarRecord& r : program.cvars.records()) {
        if (!roundTrips(r))
            continue;
        const std::unique_ptr<Program> fresh = fixture.program();
        const QString line = cvarLine(r);
        fresh->interpreter.ExecuteLine(line, false);
        const CvarRecord* back = fresh->cvars.find(r.name);
        if (!back || back->value != r.value || back->kind != r.kind)
            fuzz::fail("execute_line", "line form does not read back", line);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Fixture fixture;
    const QString text = fuzz::textOf(data, size);
    const std::unique_ptr<Program> program = fixture.program();
    program->interpreter.ExecuteLine(text, true);
    for (const QString& line : platform::splitLines(text))
        program->interpreter.ExecuteLine(line, false);
    checkStore(*program, fixture);
    return 0;
}
