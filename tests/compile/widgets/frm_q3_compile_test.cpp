#include "compile/fake_tools.h"
#include "compile/widgets/frm_q3_compile.h"

#include "app/console_log.h"
#include "app/widgets/desktop_program.h"
#include "compile/map_compiler.h"
#include "launch/widgets/launch_button.h"
#include "platform/process_launcher.h"
#include "platform/system_lookup.h"
#include "platform/text_file.h"
#include "support/fake_engines.h"
#include "support/qt_print.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
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

template <typename Widget> Widget* child(QWidget* parent, const char* name) {
    return parent ? parent->findChild<Widget*>(QLatin1String(name)) : nullptr;
}

class Q3CompileDialogTest : public ::testing::Test {
protected:
    Q3CompileDialogTest() {
        QDir().mkpath(dir.filePath(QStringLiteral("Fennick")));
        owner->show();
    }

    CompileRequest request(const QString& folder = QStringLiteral("maps")) const {
        return {QStringLiteral("map"), QStringLiteral("m.map"),
                compilePaths(dir.filePath(folder), QStringLiteral("m.map"), tools.q3map())};
    }
    frmQ3Compile* dialog() const { return owner ? owner->findChild<frmQ3Compile*>() : nullptr; }
    void click(const char* name) const {
        if (QPushButton* button = child<QPushButton>(dialog(), name))
            button->click();
    }
    bool markerExists() const { return QFile::exists(compiler.markerPath()); }

    QTemporaryDir dir;
    FakeTools tools{dir.filePath(QStringLiteral("Tools"))};
    platform::ProcessLauncher processes;
    platform::SystemLookup system;
    ConsoleLog console;
    MapCompiler compiler{dir.filePath(QStringLiteral("Fennick")), processes, system, console};
    std::unique_ptr<QWidget> owner = std::make_unique<QWidget>();
};

TEST_F(Q3CompileDialogTest, ShowsItsControlsWithTheirCaptionsAndDefaults) {
    frmQ3Compile form(compiler, request(), owner.get());
    form.show();
    EXPECT_EQ(form.windowTitle(), "Quake 3 Map Compiler");
    struct Case {
        const char* name;
        const char* text; // nullptr: the map file
        bool visible;
        bool checked;
    };
    const Case cases[] = {
        {"Label1", "The following map file has been selected :", true, false},
        {"lblMapName", nullptr, true, false},
        {"Frame1", "Compile Options", true, false},
        {"Option1", "Very fast compile (bsp only)", true, false},
        {"Option2", "Fast Compile (bsp, fast vis, light)", true, true},
        {"Option3", "Normal Compile (bsp, vis, light)", true, false},
        {"Option4", "Complete Compile (bsp, vis, extra light)", true, false},
        {"Check1", "Bot .aas file", true, false},
        {"Command1", "Compile!", true, false},
        {"Command2", "Don't compile", true, false},
        {"Command3", "Cancel", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget* widget = form.findChild<QWidget*>(QLatin1String(c.name));
        ASSERT_NE(widget, nullptr);
        QString text;
        bool checked = false;
        if (auto* label = qobject_cast<QLabel*>(widget))
            text = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            text = button->text(), checked = button->isChecked();
        else if (auto* frame = qobject_cast<QGroupBox*>(widget))
            text = frame->title();
        EXPECT_EQ(text, c.text ? QString::fromUtf8(c.text) : request().paths.mapFile);
        EXPECT_EQ(widget->isVisible(), c.visible);
        EXPECT_EQ(checked, c.checked);
    }
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
            for (const char* name : {"Frame1", "Command1", "Command2", "Command3"})
                if (child<QWidget>(dialog(), name)->isEnabled() &&
                    child<QWidget>(dialog(), name)->isVisible())
                    usable.append(QLatin1String(name));
            c.leave();
        });
        EXPECT_EQ(frmQ3Compile::ask(owner.get(), compiler, request()), c.outcome);
        EXPECT_EQ(usable, QStringList{"Command3"});
        EXPECT_FALSE(compiler.isWaiting());
        EXPECT_EQ(markerExists(), c.outcome == CompileOutcome::Compiled);
        tools.release();
        EXPECT_TRUE(QTest::qWaitFor([&] { return markerExists(); }, 10000));
        EXPECT_THAT(tools.calls(), SizeIs(3));
        QFile::remove(tools.record());
    }
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
    EXPECT_EQ(frmQ3Compile::ask(owner.get(), compiler, request(QStringLiteral("a\nb"))),
              CompileOutcome::NotCompiled);
    EXPECT_THAT(message.toStdString(), HasSubstr("The map cannot be compiled: the path"));
    EXPECT_EQ(usable, QStringList({"Frame1", "Command1", "Command2"}));
    EXPECT_TRUE(tools.calls().isEmpty());
}

// The whole program: the start button asks for each uncompiled map; closing
// the main window while a compile runs ends the program without a launch.
TEST(Q3CompileDesktop, TheStartButtonAsksAndAClosedMainWindowStopsTheLaunch) {
    QTemporaryDir folder;
    const QString gameDir = folder.filePath(QStringLiteral("q3"));
    const QString ran = folder.filePath(QStringLiteral("ran.txt"));
    writeFakeEngine(gameDir + QStringLiteral("/quake3.exe"), ran);
    QDir().mkpath(gameDir + QStringLiteral("/baseq3/maps"));
    FakeTools tools(gameDir + QStringLiteral("/Tools"));
    ASSERT_TRUE(
        platform::writeTextLines(folder.filePath(QStringLiteral("config.cfg")),
                                 {"\"\",0", "\"\",0", QStringLiteral("\"%1\",0").arg(gameDir),
                                  "\"41\"", "\"10\"", "\"5\"", "\"Software\"", "0,\"\"", "0"}));
    platform::ManualClock clock(QDateTime(QDate(2026, 12, 6), QTime(20, 0)));
    DesktopProgram desktop(folder.path(), &clock);
    desktop.startup().drives.clear();
    ASSERT_TRUE(desktop.start());
    Program& program = desktop.program();
    program.settings.setQ3MapPath(tools.q3map());
    const auto chooseMap = [&] {
        program.run(QStringLiteral("set fenkit_mapfile \"%1/baseq3/maps\"").arg(gameDir));
        program.run(QStringLiteral("map mymap.map"));
    };
    auto* button = desktop.mainWindow().findChild<LaunchButton*>();
    ASSERT_NE(button, nullptr);
    const auto compileDialog = [] {
        return qobject_cast<frmQ3Compile*>(QApplication::activeModalWidget());
    };

    chooseMap();
    soon(0, [&] { child<QPushButton>(compileDialog(), "Command2")->click(); });
    button->click();
    EXPECT_THAT(recordedRun(ran), testing::Contains(QString("+exec")));
    EXPECT_TRUE(platform::readText(gameDir + QStringLiteral("/baseq3/fenkit.cfg"))
                    .value_or(QString())
                    .contains(QStringLiteral("map mymap\r\n")));

    QFile::remove(ran);
    chooseMap();
    tools.hold();
    soon(0, [&] { child<QPushButton>(compileDialog(), "Command1")->click(); });
    soon(300, [&] { desktop.mainWindow().close(); });
    EXPECT_FALSE(program.launcher.Launch());
    EXPECT_FALSE(desktop.mainWindow().isVisible());
    EXPECT_EQ(program.cvars.GetCvar(QStringLiteral("map")), QStringLiteral("mymap.map"));
    tools.release();
    QTest::qWait(300);
    EXPECT_FALSE(QFile::exists(ran));
}

} // namespace
} // namespace fennick::test
