#include "archive/bot_loader.h"
#include "archive/content_folders.h"
#include "content_fixture.h"
#include "support/qt_matchers.h"
#include "support/qt_print.h"

#include <gmock/gmock.h>

namespace fennick::test {
namespace {

using ::testing::ElementsAre;

TEST(BotNameOfLine, TakesTheLineFromItsFifthCharacter) {
    const struct {
        const char* line;
        const char* name; // nullptr: the line adds no bot
    } cases[] = {
        {"name\t\tSarge", "Sarge"},      {"NAME Keel", "Keel"},
        {"name  Big Boss\t", "BigBoss"}, // blanks and tabs go, wherever they are
        {"\tname Sarge", "eSarge"},      // "name" elsewhere: the line from its fifth character
        {"funname\t^1Sarge", nullptr},   {"FunName Sarge", nullptr},
        {"model sarge", nullptr},        {"name", nullptr}, // nothing left
    };
    for (const auto& c : cases) {
        const std::optional<QString> name = botNameOfLine(QString::fromUtf8(c.line));
        if (c.name)
            EXPECT_EQ(name, QString::fromUtf8(c.name)) << c.line;
        else
            EXPECT_FALSE(name) << c.line;
    }
}

TEST(Quake3BaseFolder, PrefersTheDemoThenTheFullGame) {
    const struct {
        QStringList folders;
        QString base;
    } cases[] = {
        {{"demoq3", "baseq3"}, "demoq3"}, {{"BaseQ3"}, "baseq3"},
        {{"baseoa"}, "baseoa"}, // OpenArena
        {{"baseoa", "baseq3"}, "baseq3"}, {{"missionpack"}, ""},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        for (const QString& folder : c.folders)
            QDir(dir.path()).mkdir(folder);
        EXPECT_EQ(QDir::cleanPath(quake3BaseFolder(dir.path())),
                  QDir::cleanPath(dir.filePath(c.base)));
    }
    EXPECT_EQ(quake3BaseFolder(QString()), QString());
}

class LoadBotsTest : public ContentFixture {};

// Archives in name order; one without a bot script must not see the script
// of the archive before it again, and an archive that is no ZIP file is
// reported once and passed over.
TEST_F(LoadBotsTest, EveryArchiveWithABotScriptAddsItsBots) {
    const QStringList bots{
        "{", "name\t\tSarge", "funname\t\t^1Sarge", "model\t\tsarge", "}", "{", "name\t\tDoom",
        "}"};
    pk3("BaseQ3/pak0.pk3", {script("scripts/bots.txt", bots)});
    pk3("BaseQ3/PAK1.pk3", {member("maps/q3dm1.bsp", "bsp")});
    // Names that would run commands in the start-up script are left out.
    pk3("BaseQ3/pak2.pk3", {script("scripts/bots.txt", {"name Keel", "name x;quit", "name a|b",
                                                        "name \"Q\"", "name a\x01"})});
    temp.writeBytes("q3/BaseQ3/pak3.pk3", "not an archive");
    pk3("BaseQ3/pak4.pk3", {script("scripts/bots.txt", bots)});
    pk3("elsewhere.pk3", {script("scripts/bots.txt", {"name Hunter"})});

    LoadBots(program().content, program().BotNames);
    EXPECT_THAT(program().BotNames.names(), ElementsAre("Sarge", "Doom", "Keel", "Sarge", "Doom"));
    EXPECT_THAT(temp.takeConsole(),
                ElementsAre(HasText("bot \"x;quit\""), HasText("bot \"a|b\""),
                            HasText("bot \"\"Q\"\""), HasText("bot \"a?\": a name with ;"),
                            HasText("pak3.pk3"), "5 q3a bots found. (0.00 sec)"));

    // The list is rebuilt, not added to.
    LoadBots(program().content, program().BotNames);
    EXPECT_EQ(program().BotNames.count(), 5);
    EXPECT_EQ(temp.takeConsole().constLast(), "5 q3a bots found. (0.00 sec)");
}

TEST_F(LoadBotsTest, WithoutAQuake3DirectoryNothingIsFoundOrPrinted) {
    pk3("BaseQ3/pak0.pk3", {script("scripts/bots.txt", {"name Sarge"})});
    program().BotNames.append(QStringLiteral("Stale"));
    program().settings.setQuake3Dir(QString());
    temp.takeConsole();
    LoadBots(program().content, program().BotNames);
    EXPECT_TRUE(program().BotNames.isEmpty());
    EXPECT_TRUE(temp.takeConsole().isEmpty());
}

} // namespace
} // namespace fennick::test
