// The child of the crash-safety test: it saves every kind of file the
// program rewrites, over and over.
//
//   fennick_save_loop PROGRAM_FOLDER SHIPPED_A SHIPPED_B [REFERENCES]
//
// Every file takes one of two contents, A and B, by turns. Given
// REFERENCES, it saves A and B once, copies each into REFERENCES/A and
// REFERENCES/B (paths relative to the program folder) and ends; without,
// it prints "ready" and saves by turns until it is killed: a kill at any
// moment must leave each file equal to its A or its B reference.
#include "app/program.h"
#include "app/settings_file.h"
#include "browser/server_browser.h"
#include "core/shipped_files.h"
#include "maps/map_browser.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <cstdio>
#include <memory>

namespace {

using namespace fennick;

constexpr int kServers = 1000;
constexpr int kMaps = 1000;
constexpr int kCvars = 60;

void saveSettings(Program& program, bool b) {
    program.settings.maxServers = b ? QStringLiteral("250") : QStringLiteral("19");
    program.settings.updateFrequency = b ? QStringLiteral("30") : QStringLiteral("5");
    SaveProgramSettings(program);
}

void saveIni(Program& program, bool b) {
    program.ini.setEngine(QStringLiteral("quake3"), b ? QStringLiteral("~/games/ioquake3.x86_64")
                                                      : QStringLiteral("quake3e"));
    program.ini.save();
}

void setCvars(Program& program, bool b) {
    const QString tail = b ? QStringLiteral("b") : QStringLiteral("a-longer-value");
    for (int i = 0; i < kCvars; ++i)
        program.cvars.SetCvar(QStringLiteral("loop_%1").arg(i), tail + QString::number(i), i % 3, 0,
                              QStringLiteral("set"));
    program.cvars.SetCvar(QStringLiteral("fenkit_player"), QStringLiteral("looper"), 0, 0,
                          QStringLiteral("set"));
}

// The configuration, the general file and the player profile.
void saveConfiguration(Program& program, bool b) {
    setCvars(program, b);
    program.configs.SaveConfiguration();
}

// The two lists of servers and of maps are made once; each round only
// saves them.
std::unique_ptr<ServerBrowser> serverList(Program& program, bool b) {
    auto browser = std::make_unique<ServerBrowser>(program.browserServices());
    for (int i = 0; i < kServers; ++i) {
        ServerRecord record;
        record.ip = QStringLiteral("127.0.%1.%2:27960").arg(i / 250).arg(i % 250);
        record.group = QStringLiteral("Quake 3 Arena\\Saved");
        record.hostname =
            (b ? QStringLiteral("B server ") : QStringLiteral("Server A ")) + QString::number(i);
        record.ping = qint16(i % 1000);
        browser->AddOrUpdateServer(record);
    }
    return browser;
}

std::unique_ptr<MapBrowser> mapList(Program& program, bool b) {
    auto browser = std::make_unique<MapBrowser>(program.browserServices());
    for (int i = 0; i < kMaps; ++i)
        browser->AddMap(
            {QStringLiteral("map%1").arg(i),
             (b ? QStringLiteral("Map B ") : QStringLiteral("A map ")) + QString::number(i),
             QStringLiteral("baseq3"), QStringLiteral("pak0.pk3"), qint16(b),
             QStringLiteral("Quake 3 Arena\\Saved"), 0.0f});
    return browser;
}

// Copies every file of the program folder below `references`.
bool keep(const QString& folder, const QString& references) {
    const QDir base(folder);
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = QDir(references).filePath(base.relativeFilePath(path));
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!QFile::copy(path, target))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: fennick_save_loop FOLDER SHIPPED_A SHIPPED_B [REFERENCES]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString shipped[2] = {QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])};
    const QString references = argc == 5 ? QString::fromLocal8Bit(argv[4]) : QString();
    ProgramEnvironment environment;
    environment.programFolder = folder;
    environment.randomSeed = 1;
    Program program(environment);
    program.game.currentGame = QStringLiteral("quake3");
    program.game.currentModKey = QStringLiteral("quake3");
    const std::unique_ptr<ServerBrowser> servers[2] = {serverList(program, false),
                                                       serverList(program, true)};
    const std::unique_ptr<MapBrowser> maps[2] = {mapList(program, false), mapList(program, true)};
    // A cvar's first "set" takes its scope elsewhere than a later one: set
    // once beforehand, every round saves the same files.
    setCvars(program, true);
    if (references.isEmpty()) {
        std::puts("ready");
        std::fflush(stdout);
    }
    for (int round = 0;; ++round) {
        const bool b = round % 2 == 1;
        saveSettings(program, b);
        saveIni(program, b);
        saveConfiguration(program, b);
        servers[b]->SaveServers();
        maps[b]->SaveMapList();
        seedProgramFolder(shipped[b], folder);
        if (!references.isEmpty()) {
            if (!keep(folder, QDir(references).filePath(b ? "B" : "A")))
                return 1;
            if (b)
                return 0;
        }
    }
}
