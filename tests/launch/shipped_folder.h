#pragma once

#include "support/qt_print.h"
#include "support/temp_program.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace fennick::test {

// The program folder content that ships with Fennick. The source folder
// comes from Qt Test as an absolute path; __FILE__ may be relative to the
// build folder (ccache with a base folder makes it so), which the test
// does not run in.
inline QString shippedFolder() {
    return QDir::cleanPath(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../data"));
}

// Every shipped file, relative to the folder ("Forms/q3_buttons.fkf"),
// without the build's own CMakeLists.txt.
inline QStringList shippedFiles() {
    QStringList files;
    QDirIterator it(shippedFolder(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = QDir(shippedFolder()).relativeFilePath(it.next());
        if (relative != QLatin1String("CMakeLists.txt"))
            files.append(relative);
    }
    files.sort();
    return files;
}

// A program over a copy of the shipped folder, with fake installations of
// the three games (empty Windows executables and their data folders), the
// catalogue, enumerations and button files loaded as at start-up.
class ShippedFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const QString& relative : shippedFiles()) {
            QFile file(shippedFolder() + QLatin1Char('/') + relative);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << relative.toStdString();
            temp.writeBytes(relative, file.readAll());
        }
        for (const auto& [game, exe, base] : kGames) {
            temp.writeBytes(QLatin1String(game) + QLatin1Char('/') + QLatin1String(exe), {});
            QDir().mkpath(temp.path(QLatin1String(game) + QLatin1Char('/') + QLatin1String(base)));
        }
        QDir().mkpath(temp.path(QStringLiteral("config")));
        Program& p = program();
        p.loadCatalogue();
        p.LoadButtons();
        p.buttonGroups.setPace(ButtonGroups::Pace::Immediate);
        p.settings.setQuakeDir(temp.path(QStringLiteral("quake1")));
        p.settings.setQuake2Dir(temp.path(QStringLiteral("quake2")));
        p.settings.setQuake3Dir(temp.path(QStringLiteral("quake3")));
        p.BotNames.append(QStringLiteral("Sarge"));
        temp.takeConsole();
    }

    Program& program() { return temp.program(); }

    // Makes the game and mod current, as a click on the game and the mod
    // list would, with an empty store.
    void play(const QString& game, const QString& mod) {
        Program& p = program();
        p.game.currentGame = game;
        p.game.gameDirectory = temp.path(game);
        p.game.currentModKey = mod;
        if (mod != game)
            QDir().mkpath(temp.path(game + QLatin1Char('/') + mod));
        p.cvars.ClearCvars();
        p.cvars.DeleteCvar(QStringLiteral("fenkit_timesused"));
        p.buttonGroups.GetButtonGroups();
    }

    // Presses the button of that caption in that group (one of the four or
    // an entry of the overflow list); false when the group has none.
    bool press(const QString& group, const QString& caption) {
        ButtonGroups& groups = program().buttonGroups;
        groups.selectGroup(group);
        for (int i = 0; i < ButtonGroups::kSlotCount; ++i) {
            if (groups.slots()[i].enabled && groups.slots()[i].caption == caption) {
                groups.clickButton(i);
                return true;
            }
        }
        for (int i = 0; i < groups.others().size(); ++i) {
            if (groups.others()[i].caption == caption) {
                groups.clickOther(i);
                return true;
            }
        }
        return false;
    }

    struct GameFolder {
        const char* game;
        const char* exe;
        const char* base;
    };
    static constexpr GameFolder kGames[] = {{"quake1", "quake.exe", "id1"},
                                            {"quake2", "quake2.exe", "baseq2"},
                                            {"quake3", "quake3.exe", "baseq3"}};

    TempProgram temp;
};

} // namespace fennick::test
