#pragma once

#include "app/program.h"
#include "platform/desktop_services.h"
#include "support/fake_engines.h"
#include "support/qt_print.h"
#include "support/temp_program.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

namespace fennick::test {

// The lines of a configuration file: description, name, the eight reserved
// header lines, then the commands.
inline QStringList configurationFile(const QString& description, const QString& name,
                                     const QStringList& commands = {}) {
    QStringList lines{description, name};
    for (int i = 0; i < 8; ++i)
        lines.append(QStringLiteral("Reserved"));
    return lines + commands;
}

// Records what would have been opened instead of opening it.
class RecordingDesktop : public platform::DesktopServices {
public:
    void openWithDefaultProgram(const QString& path) override {
        opened.append(QStringLiteral("default ") + path);
    }
    void openInTextEditor(const QString& path) override {
        opened.append(QStringLiteral("editor ") + path);
    }
    QStringList opened;
};

// A program folder with a small catalogue of its own and fake game folders
// (empty executables) for the three games: "games/Quake 1", "games/Quake 2"
// and "games/Quake III Arena", the last one with a space in its name.
class LaunchFixture : public ::testing::Test {
protected:
    void SetUp() override {
        temp.writeFile(QStringLiteral("cmds.lst"), catalogueLines());
        makeGame(QStringLiteral("Quake 1"), QStringLiteral("glquake.exe"), QStringLiteral("id1"));
        makeGame(QStringLiteral("Quake 2"), QStringLiteral("quake2.exe"), QStringLiteral("baseq2"));
        makeGame(QStringLiteral("Quake III Arena"), QStringLiteral("quake3.exe"),
                 QStringLiteral("baseq3"));
        QDir().mkpath(temp.path(QStringLiteral("config")));
        Program& p = temp.program();
        // The video settings answer mode cvars with cvars of their own; these
        // tests look at the launch alone.
        p.interpreter.videoHook = nullptr;
        p.loadCatalogue();
        p.settings.setQuakeDir(gameDir(QStringLiteral("quake1")));
        p.settings.setQuake2Dir(gameDir(QStringLiteral("quake2")));
        p.settings.setQuake3Dir(gameDir(QStringLiteral("quake3")));
        temp.takeConsole();
    }

    Program& program() { return temp.program(); }

    static QString folderOf(const QString& game) {
        if (game == QLatin1String("quake1"))
            return QStringLiteral("games/Quake 1");
        if (game == QLatin1String("quake2"))
            return QStringLiteral("games/Quake 2");
        return QStringLiteral("games/Quake III Arena");
    }
    QString gameDir(const QString& game) const { return temp.path(folderOf(game)); }

    // Makes the game current with a mod (or the plain game), as the game
    // switch and a click on the mod list would.
    void play(const QString& game, const QString& modKey) {
        Program& p = program();
        p.game.currentGame = game;
        p.game.gameDirectory = gameDir(game);
        p.game.currentModKey = modKey;
        if (!modKey.isEmpty())
            QDir().mkpath(gameDir(game) + QLatin1Char('/') + modKey);
        p.commandBuilder.MakeCommandLine(false);
    }

    void run(const QStringList& lines) {
        for (const QString& line : lines)
            program().interpreter.ExecuteLine(line, false);
    }

    // The file's text with its CR LF line ends shown as "|".
    QString textOf(const QString& relative) const {
        return QString::fromUtf8(temp.readBytes(relative))
            .replace(QLatin1String("\r\n"), QLatin1String("|"));
    }
    bool exists(const QString& relative) const { return QFile::exists(temp.path(relative)); }

    // Turns quake3.exe into a fake engine that records its working folder
    // and arguments; launched() waits for that record.
    void fakeGame() {
        writeFakeEngine(gameDir(QStringLiteral("quake3")) + "/quake3.exe",
                        temp.path(QStringLiteral("launched.txt")));
    }
    QStringList launched() { return recordedRun(temp.path(QStringLiteral("launched.txt"))); }

    static QStringList catalogueLines() {
        return {
            R"("quake3","r_mode",0,2,0,0,"\caption\Resolution: %v\category\Video","")",
            R"("quake3","r_fullscreen",0,2,0,0,"","")",
            R"("quake3","g_gametype",0,1,0,4,"\caption\Gametype: %v\category\Game","")",
            R"("quake3","fraglimit",0,1,0,4,"","")",
            R"("quake3","sv_hostname",0,1,0,2,"","")",
            R"("quake3","password",0,1,0,3,"","")",
            R"("quake3","map",0,0,0,4,"\caption\Map: %v\category\Game","")",
            R"("quake3","devmap",0,0,0,4,"","")",
            R"("quake3","connect",0,0,0,3,"","")",
            R"("quake3","bot_enable",0,1,0,4,"","")",
            R"("quake3","sp_skill",0,1,0,4,"","")",
            R"("quake3","fenkit_bots",0,-1,0,4,"\caption\Bots: %v\category\Bots","")",
            R"("quake3","fenkit_redbots",0,-1,0,4,"","")",
            R"("quake3","fenkit_bluebots",0,-1,0,4,"","")",
            R"("quake3","fenkit_mp",0,-1,0,0,"","")",
            R"("quake3","fenkit_mode",0,1,0,0,"\caption\Screen\category\Video","")",
            R"("quake3","fenkit_player",1,-1,0,0,"","")",
            R"("quake3","fenkit_timesused",-1,-1,0,0,"","")",
            R"("quake3","name",2,1,0,0,"","")",
            R"("quake3","model",2,1,0,0,"","")",
            R"("quake3","com_hunkmegs",1,2,0,0,"","")",
            R"("quake2","vid_ref",0,2,0,0,"","")",
            R"("quake2","deathmatch",0,1,0,4,"","")",
            R"("quake1","vid_mode",0,2,0,0,"","")",
            R"("quake1","deathmatch",0,1,0,4,"","")",
        };
    }

    TempProgram temp;

private:
    void makeGame(const QString& name, const QString& exe, const QString& base) {
        temp.writeBytes(QStringLiteral("games/") + name + QLatin1Char('/') + exe, QByteArray());
        QDir().mkpath(temp.path(QStringLiteral("games/") + name + QLatin1Char('/') + base));
    }
};

} // namespace fennick::test
