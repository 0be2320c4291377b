#include "launch/mod_description.h"
#include "support/qt_print.h"
#include "support/temp_program.h"

#include <QDir>
#include <gtest/gtest.h>

namespace fennick {
namespace {

class ModDescriptionTest : public ::testing::Test {
protected:
    void SetUp() override {
        Program& program = temp.program();
        program.settings.setQuake3Dir(temp.path(QStringLiteral("q3")));
        program.settings.setQuake2Dir(temp.path(QStringLiteral("q2")));
        temp.writeFile(QStringLiteral("mods.lst"),
                       {"\"quake3\",\"osp\",\"Orange Smoothie Productions\",\"x\",1",
                        "\"quake3\",\"cpma\",\"Challenge ProMode, Arena\",\"\",0",
                        "\"quake2\",\"ctf\",\"Capture The Flag\",\"\",0",
                        "\"quake3\",\"ctf\",\"Quake III CTF\",\"\",0",
                        "\"quake3\",\"Mixed\",\"Mixed Case Key\",\"\",0", "\"quake3\",\"short\""});
    }
    QString describe(const char* game, const QString& key) {
        temp.program().game.currentGame = QLatin1String(game);
        return ModDescription(temp.program().core, key);
    }

    test::TempProgram temp;
};

TEST_F(ModDescriptionTest, TheModsOwnFileThenTheListThenTheKey) {
    temp.writeFile(QStringLiteral("q3/osp/description.txt"), {"OSP from its folder", "second"});
    temp.writeFile(QStringLiteral("q3/empty/description.txt"), {});
    temp.writeBytes(QStringLiteral("q3/cpma/DESCRIPTION.TXT"), "CPMA from its folder");
    temp.writeFile(QStringLiteral("q2/ctf/description.txt"), {"Never read for Quake II"});
    struct Case {
        const char* game;
        const char* key;
        const char* expected;
    };
    const QList<Case> cases = {
        {"quake3", "osp", "OSP from its folder"},
        {"quake3", "cpma", "CPMA from its folder"},
        {"quake3", "ctf", "Quake III CTF"},
        {"quake2", "ctf", "Capture The Flag"},
        {"quake2", "osp", "osp"},
        {"quake3", "empty", ""},
        {"quake3", "mixed", "mixed"},
        {"quake3", "Mixed", "Mixed Case Key"},
        {"quake3", "short", ""},
        {"quake3", "unknown", "unknown"},
        {"", "osp", "osp"},
        {"quake1", "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(describe(c.game, QLatin1String(c.key)), QLatin1String(c.expected))
            << c.game << " " << c.key;
}

TEST_F(ModDescriptionTest, KeysFromServersCannotReachOutsideTheGameFolder) {
    temp.writeFile(QStringLiteral("description.txt"), {"The program folder's own file"});
    temp.writeFile(QStringLiteral("q3/description.txt"), {"The game folder's own file"});
    for (const char* key : {"../description.txt/..", "..", ".", "../q3", "osp/../.."})
        EXPECT_EQ(describe("quake3", QLatin1String(key)), QLatin1String(key)) << key;
}

TEST_F(ModDescriptionTest, MissingOrBrokenListFallsBackToTheKey) {
    static const char kBroken[] = "\xff\x00garbage\n,,,,\n\"quake3\"";
    temp.writeBytes(QStringLiteral("mods.lst"), QByteArray(kBroken, sizeof kBroken - 1));
    EXPECT_EQ(describe("quake3", QStringLiteral("osp")), QStringLiteral("osp"));
    QFile::remove(temp.path(QStringLiteral("mods.lst")));
    EXPECT_EQ(describe("quake3", QStringLiteral("osp")), QStringLiteral("osp"));
}

} // namespace
} // namespace fennick
