#include "app/widgets/desktop_fixture.h"
#include "app/widgets/frm_setup.h"
#include "support/fake_engines.h"
#include "support/wait_for.h"
#include "support/zip_writer.h"
#include "ui/app_look.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

namespace fennick {
namespace {

// Dark green and red, made readable on the dark window.
const QColor kGreen = onWindow(QColor(0, 127, 0));
const QColor kRed = onWindow(QColor(127, 0, 0));

QColor textColour(QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

class SetupDialogTest : public ::testing::Test {
protected:
    template <typename T> T* child(const char* name) {
        T* widget = dialog.findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // Types a text into an emptied field, key by key, as a user does.
    void typeInto(const char* name, const QString& text) {
        QLineEdit* edit = child<QLineEdit>(name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    test::DesktopFixture fixture;
    Program& program = *fixture.program;
    frmSetup dialog{program.settings};
};

// A typed folder reaches the settings at each key and its label turns
// green or red; which executable wins is the settings' own test.
TEST_F(SetupDialogTest, TypedQuakeFolderPicksThePreferredExecutable) {
    fixture.touch("q1/glquake.exe");
    fixture.touch("q1/quake.exe");
    typeInto("txtQ1Dir", fixture.path("q1"));
    EXPECT_EQ(program.settings.quakeDir(), fixture.path("q1"));
    EXPECT_EQ(QFileInfo(program.game.quakeExe).fileName(), "glquake.exe");
    EXPECT_EQ(textColour(child<QLabel>("Label1")), kGreen);
    // The field keeps what was typed, caret and all: no echo from the model.
    typeInto("txtQ1Dir", fixture.path("q1/none"));
    EXPECT_EQ(child<QLineEdit>("txtQ1Dir")->cursorPosition(),
              child<QLineEdit>("txtQ1Dir")->text().size());
    EXPECT_EQ(textColour(child<QLabel>("Label1")), kRed);
}

TEST_F(SetupDialogTest, QuakeThreeFolderBringsItsMapCompiler) {
    fixture.touch("first/quake3.exe");
    fixture.touch("first/Tools/q3map.exe");

    typeInto("txtQ3Dir", fixture.path("first"));
    EXPECT_TRUE(child<QLineEdit>("txtQ3Map")->text().startsWith(fixture.path("first")));
    EXPECT_EQ(textColour(child<QLabel>("Label3")), kGreen);
    EXPECT_EQ(textColour(child<QLabel>("lblQ3Map")), kGreen);

    // Typing the compiler path itself validates it, capitals and all.
    fixture.touch("tools/Q3MAP.EXE");
    typeInto("txtQ3Map", fixture.path("tools/Q3MAP.EXE"));
    EXPECT_TRUE(program.settings.q3MapValid());
    typeInto("txtQ3Map", fixture.path("tools/bspc.exe"));
    EXPECT_EQ(textColour(child<QLabel>("lblQ3Map")), kRed);
}

// Edited fields reach the settings, and changes made by code show in the
// fields.
TEST_F(SetupDialogTest, FieldsAndSettingsStayInStep) {
    EXPECT_EQ(child<QLineEdit>("txtMaxServers")->text(), "10");
    EXPECT_EQ(child<QLineEdit>("txtUpdateFrequency")->text(), "5");
    EXPECT_EQ(child<QComboBox>("cmbOGL")->currentText(), "Default OpenGL");
    typeInto("txtMaxServers", "32");
    typeInto("txtUpdateFrequency", "9");
    child<QCheckBox>("chkCreateDescription")->click();
    QComboBox* ogl = child<QComboBox>("cmbOGL");
    ogl->setCurrentIndex(0);
    Q_EMIT ogl->activated(0);
    EXPECT_EQ(program.settings.maxServers, "32");
    EXPECT_EQ(program.settings.updateFrequency, "9");
    EXPECT_TRUE(program.settings.createDescription);
    EXPECT_EQ(program.settings.oglMode, "Software");

    fixture.touch("q2/quake2.exe");
    program.settings.setQuake2Dir(fixture.path("q2"));
    program.settings.maxServers = "25";
    program.settings.oglMode = "3dfx OpenGL";
    program.settings.showMapFiles = true;
    program.settings.createDescription = false;
    program.settings.notifyChanged();
    EXPECT_EQ(child<QLineEdit>("txtQ2Dir")->text(), fixture.path("q2"));
    EXPECT_EQ(textColour(child<QLabel>("Label2")), kGreen);
    EXPECT_EQ(child<QLineEdit>("txtMaxServers")->text(), "25");
    EXPECT_EQ(child<QComboBox>("cmbOGL")->currentText(), "3dfx OpenGL");
    EXPECT_TRUE(child<QCheckBox>("chkShowMapFiles")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("chkCreateDescription")->isChecked());
    program.settings.setQuake2Dir("/no/such/folder");
    EXPECT_EQ(textColour(child<QLabel>("Label2")), kRed);
    EXPECT_TRUE(program.game.quake2Exe.isEmpty());
}

// "OK" drops one trailing backslash from each folder and hides the dialog;
// the close box only hides it too.
TEST_F(SetupDialogTest, OkDropsOneTrailingBackslashAndHides) {
    fixture.touch("q1/quake.exe");
    const QString dir = fixture.path("q1");
    dialog.show();
    typeInto("txtQ1Dir", dir + "\\\\");
    typeInto("txtQ2Dir", "c:\\quake2\\");
    QTest::mouseClick(child<QPushButton>("Command4"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(child<QLineEdit>("txtQ1Dir")->text(), dir + "\\");
    EXPECT_EQ(child<QLineEdit>("txtQ2Dir")->text(), "c:\\quake2");
    EXPECT_EQ(program.settings.quake2Dir(), "c:\\quake2");
    EXPECT_EQ(textColour(child<QLabel>("Label1")), kGreen);

    QPointer<QWidget> guard(&dialog);
    dialog.show();
    EXPECT_FALSE(dialog.close());
    EXPECT_TRUE(guard);
    EXPECT_FALSE(dialog.isVisible());
    dialog.show();
    EXPECT_TRUE(dialog.isVisible());
}

// Escape is "Cancel": it puts back what the dialog showed as it opened.
TEST_F(SetupDialogTest, EscapeCancelsBackToTheOpeningValues) {
    fixture.touch("q1/quake.exe");
    program.settings.setQuakeDir(fixture.path("q1"));
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    typeInto("txtQ1Dir", fixture.path("none"));
    typeInto("txtMaxServers", "3");
    QTest::keyClick(child<QLineEdit>("txtMaxServers"), Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(program.settings.quakeDir(), fixture.path("q1"));
    EXPECT_EQ(program.settings.maxServers, "10");
    EXPECT_EQ(child<QLineEdit>("txtQ1Dir")->text(), fixture.path("q1"));
    EXPECT_EQ(textColour(child<QLabel>("Label1")), kGreen);
}

TEST_F(SetupDialogTest, BrowseAsksWithTheGamesTitleAndCancelEmpties) {
    fixture.touch("q3/quake3.exe");
    QStringList titles;
    QString answer = fixture.path("q3");
    dialog.folderPicker = [&](QWidget* owner, const QString& title) {
        EXPECT_EQ(owner, &dialog);
        titles.append(title);
        return answer;
    };
    QTest::mouseClick(child<QPushButton>("Command3"), Qt::LeftButton);
    EXPECT_EQ(child<QLineEdit>("txtQ3Dir")->text(), answer);
    EXPECT_FALSE(program.game.quake3Exe.isEmpty());

    answer.clear(); // the user cancels
    QTest::mouseClick(child<QPushButton>("Command3"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>("Command2"), Qt::LeftButton);
    EXPECT_TRUE(child<QLineEdit>("txtQ3Dir")->text().isEmpty());
    EXPECT_TRUE(program.game.quake3Exe.isEmpty());
    EXPECT_EQ(textColour(child<QLabel>("Label3")), kRed);
    EXPECT_EQ(titles, QStringList({"Please locate your Quake 3 Arena directory",
                                   "Please locate your Quake 3 Arena directory",
                                   "Please locate your Quake 1 directory",
                                   "Please locate your Quake 2 directory"}));
}

TEST_F(SetupDialogTest, EachTabShowsItsFrameInOnePlace) {
    dialog.show();
    QTabBar* tabs = child<QTabBar>("TabStrip1");
    ASSERT_EQ(tabs->count(), 3);
    const char* frames[] = {"frameGeneral", "frameServers", "frameDev"};
    for (int index : {1, 2, 0}) {
        tabs->setCurrentIndex(index);
        for (int f = 0; f < 3; ++f)
            EXPECT_EQ(child<QGroupBox>(frames[f])->isVisible(), f == index)
                << tabs->tabText(index).toStdString() << " " << frames[f];
    }
    EXPECT_EQ(child<QGroupBox>("frameServers")->pos(), child<QGroupBox>("frameGeneral")->pos());
    EXPECT_EQ(child<QGroupBox>("frameDev")->pos(), child<QGroupBox>("frameGeneral")->pos());
}

TEST_F(SetupDialogTest, EngineFieldsChooseTheEngineAndTheLabelSaysWhatStarts) {
    test::ScopedEnvironment path("PATH", fixture.path("bin"));
    test::writeFakeEngine(fixture.path("bin/openarena"), fixture.path("run.txt"));
    QDir().mkpath(fixture.path("oa/baseoa"));
    const QString windows = fixture.touch("win/quake3.exe");
    QLabel* label = child<QLabel>("Label3");
    QLineEdit* engine = child<QLineEdit>("txtQ3Engine");

    typeInto("txtQ3Dir", fixture.path("oa"));
    EXPECT_EQ(textColour(label), kGreen);
    const QString openArena = fixture.path("bin/openarena");
    EXPECT_EQ(label->toolTip(),
              "Starts " + openArena + " (found on PATH) with the data folder baseoa");
    EXPECT_EQ(engine->placeholderText(), "found: " + openArena);

    typeInto("txtQ3Engine", "my q3");
    EXPECT_EQ(engine->text(), "my q3"); // a space can be typed
    EXPECT_EQ(program.ini.engine("quake3"), "my q3");
    EXPECT_EQ(textColour(label), kRed);
    EXPECT_EQ(label->toolTip(), "the engine \"my q3\" is not in the game folder or on PATH");
    EXPECT_TRUE(program.game.quake3Exe.isEmpty());

    // The Windows executable needs no engine.
    typeInto("txtQ3Dir", QFileInfo(windows).path());
    EXPECT_EQ(textColour(label), kGreen);
    EXPECT_EQ(label->toolTip(), "Starts " + windows);
}

// The bot list follows a Quake III folder typed after the start: a launch
// right away reads it first, and a folder left alone is read once it settles.
TEST_F(SetupDialogTest, AQuakeThreeFolderSetAfterTheStartBringsItsBots) {
    program.botScan.loadNow(); // the start-up's read, without a folder
    fixture.touch("q3/quake3.exe");
    test::ZipEntry bots;
    bots.name = "scripts/bots.txt";
    bots.data = "{\nname\tSarge\n}\n{\nname Doom\n}\n";
    test::writeZip(fixture.path("q3/baseq3/pak0.pk3"), {bots});
    program.game.currentGame = "quake3";
    program.game.currentModKey = "quake3";
    program.run("set bot_enable 1|set fenkit_bots 2|map q3dm6");
    const auto addbots = [this] {
        return program.preview.scriptLines.filter(QRegularExpression("^addbot (Sarge|Doom) "))
            .size();
    };
    EXPECT_EQ(addbots(), 0);

    typeInto("txtQ3Dir", fixture.path("q3"));
    program.launcher.writeLaunchFiles();
    EXPECT_EQ(program.BotNames.names(), QStringList({"Sarge", "Doom"}));
    EXPECT_EQ(addbots(), 2);

    typeInto("txtQ3Dir", fixture.path("q3/none"));
    ASSERT_SOON(program.BotNames.isEmpty(), 3000);
    EXPECT_EQ(addbots(), 0);
}

} // namespace
} // namespace fennick
