#include "support/qt_print.h"
#include "support/temp_program.h"
#include "support/wait_for.h"

#include <QSignalSpy>
#include <QTest>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fennick {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

QString button(const char* game, const char* mod, const char* category, const char* caption,
               const char* action = "") {
    return QStringLiteral("addbutton \\game\\%1\\mod\\%2\\category\\%3\\caption\\%4\\info\\"
                          "Info %4\\action\\%5")
        .arg(QLatin1String(game), QLatin1String(mod), QLatin1String(category),
             QLatin1String(caption), QLatin1String(action));
}

// The console lines as one text, each line after a line feed, for matching.
std::string console(const QStringList& lines) {
    return ("\n" + lines.join(QLatin1Char('\n'))).toStdString();
}

class ButtonGroupsTest : public ::testing::Test {
protected:
    // Loads the button files and makes Quake III with the mod "cpma"
    // current, as the main window would.
    Program& start() {
        Program& program = temp.program();
        program.LoadButtons();
        program.game.currentGame = QStringLiteral("quake3");
        program.game.currentModKey = QStringLiteral("cpma");
        program.buttonGroups.setPace(ButtonGroups::Pace::Immediate);
        return program;
    }
    QStringList captions() {
        QStringList result;
        for (const ButtonSlot& slot : temp.program().buttonGroups.slots())
            result.append(slot.enabled ? slot.caption : QStringLiteral("-") + slot.caption);
        for (const OtherButton& other : temp.program().buttonGroups.others())
            result.append(QStringLiteral("other:") + other.caption);
        return result;
    }

    test::TempProgram temp;
};

TEST_F(ButtonGroupsTest, FilesLoadInNameOrderAndGroupsFollowFirstAppearance) {
    temp.writeFile("Forms/b.fkf", {button("quake3", "all", "Quick Start", "B1"),
                                   button("all", "all", "Tools", "B2"),
                                   button("quake3", "cpma", "quick start", "B3")});
    temp.writeFile("Forms/A.FKF", {button("quake3", "cpma", "Maps", "A1"),
                                   button("quake2", "all", "Quake2 only", "A2"),
                                   button("all", "all", "Quick Start", "A3"), "set loaded 1",
                                   "addbutton \\caption\\no keys", button("", "all", "X", "A4")});
    temp.writeFile("Forms/notes.txt", {button("all", "all", "Ignored", "N")});
    Program& program = start();
    // Every button line counts, offered or not; other lines run as commands.
    EXPECT_THAT(console(temp.takeConsole()), HasSubstr("\n8 buttons loaded. ("));
    EXPECT_EQ(program.cvars.GetCvar(QStringLiteral("loaded")), QStringLiteral("1"));

    program.buttonGroups.GetButtonGroups();
    EXPECT_THAT(program.buttonGroups.groups(),
                ElementsAre("Maps", "Quick Start", "Tools", "quick start"));
    EXPECT_EQ(program.buttonGroups.group(), QStringLiteral("Quick Start"));
    EXPECT_THAT(captions(), ElementsAre("A3", "B1", "-UnUsed", "-UnUsed"));

    // Another mod: the cpma buttons are gone.
    program.game.currentModKey = QStringLiteral("quake3");
    program.buttonGroups.GetButtonGroups();
    EXPECT_THAT(program.buttonGroups.groups(), ElementsAre("Quick Start", "Tools"));
}

TEST_F(ButtonGroupsTest, FourButtonsThenTheOverflowListInFileOrder) {
    QStringList lines;
    for (int i = 1; i <= 6; ++i)
        lines.append(button("quake3", "all", "Quick Start",
                            qPrintable(QString("Caption %1").arg(i)),
                            qPrintable(QString("set pressed %1").arg(i))));
    temp.writeFile("Forms/six.fkf", lines);
    Program& program = start();
    program.buttonGroups.GetButtonGroups();
    EXPECT_THAT(captions(), ElementsAre("Caption 1", "Caption 2", "Caption 3", "Caption 4",
                                        "other:Caption 5", "other:Caption 6"));
    EXPECT_EQ(program.buttonGroups.slots()[2].info, QStringLiteral("Info Caption 3"));

    // Clicks run the actions with echo off; an unused slot does nothing.
    temp.takeConsole();
    program.buttonGroups.clickButton(1);
    EXPECT_EQ(program.cvars.GetCvar(QStringLiteral("pressed")), QStringLiteral("2"));
    program.buttonGroups.clickOther(1);
    EXPECT_EQ(program.cvars.GetCvar(QStringLiteral("pressed")), QStringLiteral("6"));
    program.buttonGroups.clickOther(7);
    EXPECT_THAT(temp.takeConsole(), IsEmpty());

    // An unknown group leaves every button unused.
    program.buttonGroups.selectGroup(QStringLiteral("quick start"));
    EXPECT_THAT(captions(), ElementsAre("-UnUsed", "-UnUsed", "-UnUsed", "-UnUsed"));
    program.buttonGroups.clickButton(0);
    EXPECT_EQ(program.cvars.GetCvar(QStringLiteral("pressed")), QStringLiteral("6"));
}

TEST_F(ButtonGroupsTest, HoverQueuesTheInfoForOneSecond) {
    temp.writeFile("Forms/one.fkf", {button("all", "all", "Quick Start", "Hi")});
    Program& program = start();
    program.buttonGroups.GetButtonGroups();
    program.buttonGroups.hoverButton(0);
    EXPECT_EQ(program.status.queuedText, QStringLiteral("Info Hi"));
    EXPECT_EQ(program.status.queuedSeconds, 1);
    program.status.queue(QString(), 0);
    program.buttonGroups.hoverButton(1); // unused
    EXPECT_TRUE(program.status.queuedText.isEmpty());
}

// The paced build places one button per pause, driven by a timer, and a
// new choice of group in the middle starts over cleanly.
TEST_F(ButtonGroupsTest, PacedBuildAppearsOneByOneAndRestartsOnANewGroup) {
    QStringList lines;
    for (int i = 1; i <= 6; ++i)
        lines.append(button("all", "all", "Quick Start", qPrintable(QString("Q%1").arg(i))));
    lines.append(button("all", "all", "Other", "O1"));
    temp.writeFile("Forms/paced.fkf", lines);
    Program& program = start();
    ButtonGroups& groups = program.buttonGroups;
    groups.setPace(ButtonGroups::Pace::Paced);
    groups.GetButtonGroups();
    EXPECT_THAT(captions(), ElementsAre("-UnUsed", "-UnUsed", "-UnUsed", "-UnUsed"));
    EXPECT_TRUE(groups.building());
    ASSERT_SOON(groups.slots()[1].enabled, 2000);
    EXPECT_TRUE(groups.building());

    groups.selectGroup(QStringLiteral("Other"));
    EXPECT_THAT(captions(), ElementsAre("-UnUsed", "-UnUsed", "-UnUsed", "-UnUsed"));
    ASSERT_SOON(!groups.building(), 2000);
    EXPECT_THAT(captions(), ElementsAre("O1", "-UnUsed", "-UnUsed", "-UnUsed"));

    groups.selectGroup(QStringLiteral("Quick Start"));
    ASSERT_SOON(!groups.building(), 3000);
    EXPECT_THAT(captions(), ElementsAre("Q1", "Q2", "Q3", "Q4", "other:Q5", "other:Q6"));
}

TEST_F(ButtonGroupsTest, BadButtonFilesNeitherStopTheStartNorRunBinaryLines) {
    QByteArray binary(4096, '\0');
    binary.append("\naddbutton \\game\\all\\mod\\all\\category\\Bad\\caption\\x\n");
    temp.writeBytes("Forms/a_binary.fkf", binary);
    temp.writeBytes("Forms/b_huge.fkf", QByteArray(ButtonList::kMaxFileBytes + 1, 'a'));
    temp.writeBytes("Forms/c_folder.fkf/inside.txt", "x");
    temp.writeFile("Forms/d_good.fkf", {button("all", "all", "Good", "^1Red^", "set ^ 1")});
    Program& program = start();
    const std::string printed = console(temp.takeConsole());
    EXPECT_THAT(printed, HasSubstr("a_binary.fkf: it is not a text file"));
    EXPECT_THAT(printed, HasSubstr("b_huge.fkf: it is too big"));
    EXPECT_THAT(printed, HasSubstr("\n1 buttons loaded. ("));
    program.buttonGroups.GetButtonGroups();
    EXPECT_THAT(program.buttonGroups.groups(), ElementsAre("Good"));
}

TEST_F(ButtonGroupsTest, MissingFormsFolderLoadsNoButtons) {
    Program& program = start();
    EXPECT_THAT(console(temp.takeConsole()), HasSubstr("\n0 buttons loaded. ("));
    program.buttonGroups.GetButtonGroups();
    EXPECT_THAT(program.buttonGroups.groups(), IsEmpty());
    EXPECT_EQ(program.buttonGroups.group(), QStringLiteral("Quick Start"));
}

} // namespace
} // namespace fennick
