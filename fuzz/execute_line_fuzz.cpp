// Feeds arbitrary bytes to the command language: as one console line with
// echo on, then line by line with echo off, as a settings file is run.
// Besides crashes and sanitizer reports it checks what must always hold:
// cvar names stay unique in the store, and a plain cvar written back in its
// line form reads back to the same value and kind.
#include "app/program.h"
#include "app/ui_host.h"
#include "console/cvar_record.h"
#include "platform/clock.h"
#include "platform/text_file.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace fennick;

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

// A program folder with a few player profiles, among them ones that load
// themselves and each other.
struct Fixture {
    Fixture() {
        QDir(dir.path()).mkdir(QStringLiteral("config"));
        writeFile(dir.filePath(QStringLiteral("config/q3_self.fkp")),
                  "set fenkit_player self\r\nseta from_self 1\r\n");
        writeFile(dir.filePath(QStringLiteral("config/q3_a.fkp")),
                  "set fenkit_player b|set from_a 1\r\n");
        writeFile(dir.filePath(QStringLiteral("config/q3_b.fkp")),
                  "set fenkit_player a\r\nbind x \"+a b\"\r\n");
    }
    QTemporaryDir dir;
    platform::ManualClock clock{QDateTime(QDate(2026, 12, 6), QTime(20, 0))};
    UiHost ui; // opens nothing, keeps nothing
};

const QString kCatalogue =
    QStringLiteral("\"quake3\",\"g_gametype\",1,2,0,2,\"\\\\Type\\\\x\",\"\"\r\n"
                   "\"quake3\",\"r_mode\",0,2,0,0,\"\",\"\"\r\n"
                   "\"quake3\",\"fenkit_timesused\",1,-1,0,0,\"\",\"\"\r\n");

[[noreturn]] void fail(const char* what, const QString& detail) {
    std::fprintf(stderr, "execute_line_fuzz: %s: %s\n", what, detail.toUtf8().constData());
    std::abort();
}

bool isMapName(const QString& name) {
    static const QSet<QString> names = {QStringLiteral("demo"),    QStringLiteral("map"),
                                        QStringLiteral("connect"), QStringLiteral("demomap"),
                                        QStringLiteral("arena"),   QStringLiteral("devmap")};
    return names.contains(name);
}

// The records whose line form must read back unchanged: a command word as
// kind, a one-word name and a value that the tokenizer cannot take apart.
bool roundTrips(const CvarRecord& r) {
    static const QSet<QString> kinds = {QStringLiteral("set"), QStringLiteral("seta"),
                                        QStringLiteral("bind")};
    if (!kinds.contains(r.kind) || r.name.isEmpty() || r.value.isEmpty() || isMapName(r.name) ||
        r.name == QLatin1String("fenkit_player"))
        return false;
    for (QChar c : r.name) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('"') || c == QLatin1Char('|') ||
            c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            return false;
    }
    if (r.value.startsWith(QLatin1Char(' ')))
        return false;
    for (QChar c : r.value) {
        if (c == QLatin1Char('"') || c == QLatin1Char('|') || c == QLatin1Char('\r') ||
            c == QLatin1Char('\n'))
            return false;
    }
    return true;
}

void checkStore(const Program& program, Fixture& fixture) {
    QSet<QString> seen;
    for (const CvarRecord& r : program.cvars.records()) {
        if (seen.contains(r.name))
            fail("a name twice in the store", r.name);
        seen.insert(r.name);
    }
    for (const CvarRecord& r : program.cvars.records()) {
        if (!roundTrips(r))
            continue;
        ProgramEnvironment environment;
        environment.programFolder = fixture.dir.path();
        environment.clock = &fixture.clock;
        environment.ui = &fixture.ui;
        environment.randomSeed = 1;
        Program fresh(environment);
        const QString line = cvarLine(r);
        fresh.interpreter.ExecuteLine(line, false);
        const CvarRecord* back = fresh.cvars.find(r.name);
        if (!back || back->value != r.value || back->kind != r.kind)
            fail("line form does not read back", line);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Fixture fixture;
    const QString text = platform::decodeText(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));

    ProgramEnvironment environment;
    environment.programFolder = fixture.dir.path();
    environment.clock = &fixture.clock;
    environment.ui = &fixture.ui;
    environment.randomSeed = 1;
    Program program(environment);
    program.catalogue.loadText(kCatalogue);
    program.game.currentGame = QStringLiteral("quake3");
    program.videoHook = [](const QString&, const QString&) {};

    program.interpreter.ExecuteLine(text, true);
    for (const QString& line : platform::splitLines(text))
        program.interpreter.ExecuteLine(line, false);
    checkStore(program, fixture);
    return 0;
}
