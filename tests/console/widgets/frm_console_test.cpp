#include "app/widgets/desktop_fixture.h"
#include "console/widgets/frm_console.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace fennick {
namespace {

QStringList itemsOf(QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

class ConsoleWindowTest : public ::testing::Test {
protected:
    ConsoleWindowTest() {
        program.console.ConsolePrint("=== Fennick");
        program.console.ConsolePrint("early line");
        window = std::make_unique<frmConsole>(program.core, program.interpreter, program.catalogue);
        fixture.ui.attach(program.console, window.get());
        program.game.currentGame = "quake3";
        program.catalogue.loadText(
            QStringLiteral("\"quake3\",\"sv_hostname\",1,2,0,0,\"\",\"Name of the server\"\n"
                           "\"quake3\",\"sv_maxclients\",1,2,0,0,\"\",\"Player slots\"\n"
                           "\"quake2\",\"sv_hostile\",1,2,0,0,\"\",\"Other game\"\n"));
    }

    template <typename T> T* child(const char* name) {
        T* widget = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // Lines of the output list added since the last call.
    QStringList newOutput() {
        const QStringList all = itemsOf(child<QListWidget>("List1"));
        const QStringList fresh = all.mid(seen_);
        seen_ = int(all.size());
        return fresh;
    }

    test::DesktopFixture fixture;
    Program& program = *fixture.program;
    std::unique_ptr<frmConsole> window;

private:
    int seen_ = 0;
};

// F1 completes from the current game's catalogue (the rules themselves are
// the completion's own tests), prints the match and leaves the caret at
// the end; Enter, or the keypad's, runs the line with its echo and clears
// it, and an empty line runs nothing.
TEST_F(ConsoleWindowTest, TheInputLineCompletesWithF1AndRunsWithEnter) {
    QLineEdit* input = child<QLineEdit>("Text1");
    newOutput();
    QTest::keyClicks(input, "sv_host");
    QTest::keyClick(input, Qt::Key_F1);
    EXPECT_EQ(input->text(), "sv_hostname");
    EXPECT_EQ(newOutput(), QStringList{"\\sv_hostname"});
    input->setText("sv_max");
    input->setCursorPosition(0);
    QTest::keyClick(input, Qt::Key_F1);
    EXPECT_EQ(input->text(), "sv_maxclients");
    EXPECT_EQ(input->cursorPosition(), input->text().size());
    newOutput();

    input->clear();
    QTest::keyClicks(input, "set fraglimit 20");
    QTest::keyClick(input, Qt::Key_Return);
    EXPECT_EQ(program.cvars.GetCvar("fraglimit"), "20");
    EXPECT_TRUE(input->text().isEmpty());
    EXPECT_EQ(newOutput().value(0), ">set fraglimit 20");
    QTest::keyClicks(input, "timelimit 15");
    QTest::keyClick(input, Qt::Key_Enter);
    EXPECT_EQ(program.cvars.GetCvar("timelimit"), "15");
    newOutput();
    QTest::keyClick(input, Qt::Key_Return);
    EXPECT_TRUE(newOutput().isEmpty());

    // "help" lists each command once, one line each, instead of showing a
    // cvar named "help".
    QTest::keyClicks(input, "help");
    QTest::keyClick(input, Qt::Key_Return);
    QStringList words;
    for (const QString& line : newOutput().mid(1))
        words.append(line.section(' ', 0, 0));
    for (const char* word :
         {"set", "seta", "bind", "setadd1", "setdec5", "del", "delcvar", "clearcvars", "addbutton",
          "loadform", "openconsole", "openserverbrowser", "openmapbrowser", "help"})
        EXPECT_EQ(words.count(word), 1) << word;
    EXPECT_EQ(program.cvars.find("help"), nullptr);
}

// The output shows the lines printed before the window was built and
// after, hidden or not, with the newest selected; the close box and the
// Close button only hide the window.
TEST_F(ConsoleWindowTest, OutputKeepsEveryLineWhileTheWindowIsHidden) {
    QListWidget* output = child<QListWidget>("List1");
    EXPECT_EQ(itemsOf(output), QStringList({"=== Fennick", "early line"}));
    EXPECT_EQ(output->currentRow(), 1);
    program.interpreter.ExecuteLine("openconsole", false);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->close());
    EXPECT_FALSE(window->isVisible());

    program.console.ConsolePrint("while hidden");
    program.interpreter.ExecuteLine("openconsole", false);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(itemsOf(output), QStringList({"=== Fennick", "early line", "while hidden"}));
    EXPECT_EQ(output->currentItem()->text(), "while hidden");

    QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ConsoleWindowTest, PreviewChangesShowInTheScriptListAndLabels) {
    QLabel* commandLine = child<QLabel>("Label1");
    EXPECT_EQ(commandLine->toolTip(), commandLine->text());

    program.preview.scriptLines = QStringList({"set g_gametype 0", "map q3dm17"});
    program.preview.commandLine = "c:\\games\\quake3\\quake3.exe +exec fenkit.cfg";
    program.preview.makeTimeText = "0.02";
    program.preview.notifyChanged();

    EXPECT_EQ(itemsOf(child<QListWidget>("List2")), program.preview.scriptLines);
    EXPECT_EQ(child<QLabel>("Label2")->text(), "0.02");
    EXPECT_EQ(commandLine->text(), program.preview.commandLine);
    EXPECT_EQ(commandLine->toolTip(), program.preview.commandLine);

    program.preview.scriptLines.clear();
    program.preview.notifyChanged();
    EXPECT_EQ(child<QListWidget>("List2")->count(), 0);
}

TEST(DesktopUi, WindowsNotBuiltYetSayNotAvailable) {
    test::DesktopFixture fixture;
    Program& program = *fixture.program;
    fixture.ui.attach(program.console, nullptr);
    program.interpreter.ExecuteLine("openmapbrowser", false);
    program.interpreter.ExecuteLine("openconsole", false); // no window: quiet
    ASSERT_FALSE(program.console.lines().isEmpty());
    EXPECT_TRUE(program.console.lines().last().contains("not available"));
}

} // namespace
} // namespace fennick
