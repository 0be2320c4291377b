#include "compile/fake_tools.h"
#include "compile/widgets/frm_q3_compile.h"

#include "app/widgets/desktop_program.h"
#include "compile/map_compiler.h"
#include "core/console_log.h"
#include "launch/widgets/launch_button.h"
#include "platform/process_launcher.h"
#include "platform/system_lookup.h"
#include "platform/text_file.h"
#include "support/fake_engines.h"
#include "support/qt_print.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gmock/gmock.h>
#include <memory>

namespace fennick::test {
namespace {

using ::testing::HasSubstr;
using ::testing::SizeIs;

// Runs `step` once the event loop of a modal window is running.
void soon(int ms, std::function<void()> step) {
    QTimer::singleShot(ms, std::move(step));
}

// Runs `step` once `ready` holds, looking every 50 ms while `context` lives.
void once(const QObject* context, std::function<bool()> ready, std::function<void()> step) {
    if (ready())
        step();
    else
        QTimer::singleShot(50, context, [=] { once(context, ready, step); });
}

template <typename Widget> Widget* child(QWidget* parent, const char* name) {
    return parent ? parent->findChild<Widget*>(QLatin1String(name)) : nullptr;
}

class Q3CompileDialogTest : public ::testing::Test {
protected:
    Q3CompileDialogTest() {
        QDir().mkpath(dir.filePath("Fennick"));
        owner->show();
    }

    CompileRequest request(const QString& folder = "maps") const {
        return {"map", "m.map", compilePaths(dir.filePath(folder), "m.map", tools.q3map())};
    }
    frmQ3Compile* dialog() const { return owner ? owner->findChild<frmQ3Compile*>() : nullptr; }
    void click(const char* name) const {
        if (QPushButton* button = child<QPushButton>(dialog(), name))
            button->click();
    }
    bool markerExists() const { return QFile::exists(compiler.markerPath()); }
    QStringList shownAndUsable() const {
        QStringList usable;
        for (const char* name : {"Frame1", "Command1", "Command2", "Command3", "prgCompile"}) {
            const QWidget* widget = child<QWidget>(dialog(), name);
            if (widget->isEnabled() && widget->isVisible())
                usable.append(QLatin1String(name));
        }
        return usable;
    }

    QTemporaryDir dir;
    FakeTools tools{dir.filePath("Tools")};
    platform::ProcessLauncher processes;
    platform::SystemLookup system;
    ConsoleLog console;
    MapCompiler compiler{dir.filePath("Fennick"), processes, system, console};
    std::unique_ptr<QWidget> owner = std::make_unique<QWidget>();
};

// The dialog names the map and offers a fast compile without bots; its
// "Cancel" shows only while a batch runs.
TEST_F(Q3CompileDialogTest, ShowsTheMapAndTheDefaults) {
    frmQ3Compile form(compiler, request(), owner.get());
    form.show();
    EXPECT_EQ(child<QLabel>(&form, "lblMapName")->text(), request().paths.mapFile);
    QStringList shown;
    for (auto* button : form.findChildren<QAbstractButton*>())
        if (button->isChecked() || !button->isVisible())
            shown.append(button->objectName() + (button->isVisible() ? "" : " hidden"));
    EXPECT_EQ(shown, QStringList({"Option2", "Command3 hidden"}));
}

// While the batch runs only "Cancel" is usable. The batch completing ends
// the wait and the dialog; so do "Cancel", the close box and Escape, and
// the owner going away, which stops the launch. The batch runs on.
TEST_F(Q3CompileDialogTest, TheWaitEndsWithTheBatchOrAtOnceWhenLeft) {
    struct Case {
        const char* name;
        std::function<void()> leave;
        CompileOutcome outcome;
    };
    const Case cases[] = {
        {"batch completes", [&] { tools.release(); }, CompileOutcome::Compiled},
        {"Cancel", [&] { click("Command3"); }, CompileOutcome::Cancelled},
        {"close box", [&] { dialog()->close(); }, CompileOutcome::Cancelled},
        {"Escape", [&] { QTest::keyClick(dialog(), Qt::Key_Escape); }, CompileOutcome::Cancelled},
        {"owner hidden", [&] { owner->hide(), dialog()->close(); }, CompileOutcome::Abandoned},
        {"owner destroyed", [&] { owner.reset(); }, CompileOutcome::Abandoned},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (!owner)
            owner = std::make_unique<QWidget>();
        owner->show();
        tools.hold();
        QStringList usable;
        soon(0, [&] {
            child<QRadioButton>(dialog(), "Option3")->setChecked(true);
            click("Command1");
        });
        soon(300, [&] {
            usable = shownAndUsable();
            c.leave();
        });
        EXPECT_EQ(frmQ3Compile::ask(owner.get(), compiler, request()), c.outcome);
        EXPECT_EQ(usable, QStringList({"Command3", "prgCompile"}));
        EXPECT_FALSE(compiler.isWaiting());
        EXPECT_EQ(markerExists(), c.outcome == CompileOutcome::Compiled);
        tools.release();
        EXPECT_TRUE(QTest::qWaitFor([&] { return markerExists(); }, 10000));
        EXPECT_THAT(tools.calls(), SizeIs(3));
        QFile::remove(tools.record());
    }
}

// A compile that writes no new .bsp keeps the dialog open with the end of
// the tools' output; closing it then stops the launch.
TEST_F(Q3CompileDialogTest, AFailedCompileShowsTheToolsOutputAndStopsTheLaunch) {
    tools.fail(true);
    QString state, log;
    QStringList usable;
    soon(0, [&] {
        click("Command1");
        once(
            &compiler, [&] { return !compiler.isWaiting(); },
            [&] {
                state = child<QLabel>(dialog(), "lblCompileState")->text();
                log = child<QPlainTextEdit>(dialog(), "txtCompileLog")->toPlainText();
                usable = shownAndUsable();
                QTest::keyClick(dialog(), Qt::Key_Escape);
            });
    });
    EXPECT_EQ(frmQ3Compile::ask(owner.get(), compiler, request()), CompileOutcome::Failed);
    EXPECT_EQ(state, "The compile failed: no new m.bsp was written.");
    EXPECT_THAT(log.toStdString(), HasSubstr("q3map: ERROR: cannot read"));
    EXPECT_EQ(usable, QStringList({"Frame1", "Command1", "Command2", "Command3"}));
}

TEST_F(Q3CompileDialogTest, ABatchThatCannotStartIsShownAndTheDialogStaysUsable) {
    QString message;
    QStringList usable;
    soon(0, [&] {
        soon(100, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                message = box->text();
                box->accept();
            }
            soon(0, [&] {
                for (const char* name : {"Frame1", "Command1", "Command2"})
                    if (child<QWidget>(dialog(), name)->isEnabled())
                        usable.append(QLatin1String(name));
                click("Command2");
            });
        });
        click("Command1");
    });
    EXPECT_EQ(frmQ3Compile::ask(owner.get(), compiler, request("a\nb")),
              CompileOutcome::NotCompiled);
    EXPECT_THAT(message.toStdString(), HasSubstr("The map cannot be compiled: the path"));
    EXPECT_EQ(usable, QStringList({"Frame1", "Command1", "Command2"}));
    EXPECT_TRUE(tools.calls().isEmpty());
}

// The whole program over a Quake III folder with a fake engine and fake
// tools, the uncompiled map chosen.
class Q3CompileDesktop : public ::testing::Test {
protected:
    Q3CompileDesktop() {
        writeFakeEngine(gameDir + "/quake3.exe", ran);
        QDir().mkpath(gameDir + "/baseq3/maps");
        EXPECT_TRUE(
            platform::writeTextLines(folder.filePath("config.cfg"),
                                     {"\"\",0", "\"\",0", QStringLiteral("\"%1\",0").arg(gameDir),
                                      "\"41\"", "\"10\"", "\"5\"", "\"Software\"", "0,\"\"", "0"}));
        desktop.startup().drives.clear();
        EXPECT_TRUE(desktop.start());
        program.settings.setQ3MapPath(tools.q3map());
        program.run(QStringLiteral("set fenkit_mapfile \"%1/baseq3/maps\"").arg(gameDir));
    }
    static frmQ3Compile* compileDialog() {
        return qobject_cast<frmQ3Compile*>(QApplication::activeModalWidget());
    }
    // Presses "Launch Quake" with the map chosen uncompiled; the dialog's
    // "Compile!" is clicked, and `then` runs once the compile's wait is
    // running (`whileWaiting`) or over.
    void launch(bool whileWaiting, std::function<void()> then) {
        program.run("map mymap.map");
        soon(0, [=, this] {
            child<QPushButton>(compileDialog(), "Command1")->click();
            const MapCompiler& compiler = program.compileStep.compiler;
            once(
                &compiler, [=, &compiler] { return compiler.isWaiting() == whileWaiting; }, then);
        });
        desktop.mainWindow().findChild<LaunchButton*>()->click();
    }

    QTemporaryDir folder;
    const QString gameDir = folder.filePath("q3");
    const QString ran = folder.filePath("ran.txt");
    FakeTools tools{gameDir + "/Tools"};
    platform::ManualClock clock{QDateTime(QDate(2026, 12, 6), QTime(20, 0))};
    DesktopProgram desktop{folder.path(), &clock};
    Program& program = desktop.program();
};

// Only a map that was compiled is launched: a failed compile, "Cancel" and
// closing the main window during the compile start nothing.
TEST_F(Q3CompileDesktop, OnlyACompiledMapIsLaunched) {
    const auto cancel = [] { child<QPushButton>(compileDialog(), "Command3")->click(); };
    tools.fail(true);
    launch(false, cancel);
    EXPECT_TRUE(program.console.lines().contains(
        "The compile of mymap.map failed: the game was not started"));
    tools.fail(false);
    tools.hold();
    launch(true, cancel);
    EXPECT_EQ(program.status.queuedText, "Launch cancelled: mymap.map was not compiled");
    tools.release();
    QTest::qWait(300);
    EXPECT_FALSE(QFile::exists(ran));

    launch(false, [] {});
    EXPECT_THAT(recordedRun(ran), testing::Contains("+exec"));
    EXPECT_EQ(program.cvars.GetCvar("map"), "mymap");
}

TEST_F(Q3CompileDesktop, AClosedMainWindowStopsTheLaunch) {
    tools.hold();
    launch(true, [&] { desktop.mainWindow().close(); });
    EXPECT_FALSE(desktop.mainWindow().isVisible());
    EXPECT_EQ(program.cvars.GetCvar("map"), "mymap.map");
    tools.release();
    QTest::qWait(300);
    EXPECT_FALSE(QFile::exists(ran));
}

} // namespace
} // namespace fennick::test
