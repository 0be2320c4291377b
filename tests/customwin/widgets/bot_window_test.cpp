#include "app/widgets/desktop_program.h"
#include "customwin/form_parser.h"
#include "support/qt_print.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace fennick {
namespace {

// A file of the program folder content that ships with Fennick.
QByteArray shipped(const QString& name) {
    QFile file(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../data/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

void copyShipped(const QTemporaryDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(shipped(name));
}

// The desktop program brings the custom windows up at start-up; the main
// window opens the shipped Quake III bot window, whose controls are bound
// to cvars the catalogue knows, and closing the main window closes it.
TEST(BotWindow, TheMainWindowOpensTheShippedBotWindow) {
    QTemporaryDir folder;
    for (const char* name : {"cmds.lst", "enums.lst", "Forms/q3_quake3_bot.frm"})
        copyShipped(folder, QLatin1String(name));
    platform::ManualClock clock(QDateTime(QDate(2026, 12, 6), QTime(20, 0)));
    DesktopProgram desktop(folder.path(), &clock);
    desktop.startup().drives.clear();
    ASSERT_TRUE(desktop.start());
    Program& program = desktop.program();
    EXPECT_TRUE(program.console.lines().contains(QStringLiteral("Custom windows initialized.")));
    program.game.currentGame = QStringLiteral("quake3");

    auto* action = desktop.mainWindow().findChild<QAction*>(QStringLiteral("mnuBotWindow"));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->shortcut(), QKeySequence(QStringLiteral("Ctrl+B")));
    EXPECT_EQ(desktop.mainWindow().contextMenuPolicy(), Qt::ActionsContextMenu);
    action->trigger();
    ASSERT_EQ(desktop.customWindows().openWindows().size(), 1);
    QPointer<fkAddOn> window = desktop.customWindows().openWindows().first();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quake III Arena - Bots"));
    EXPECT_EQ(window->findChild<QComboBox*>()->count(), 5);

    const FormModel model = parseFormText(QString::fromUtf8(shipped("Forms/q3_quake3_bot.frm")));
    for (const FormObject& control : model.controls) {
        if (control.cvar().isEmpty())
            continue;
        EXPECT_NE(program.catalogue.find(QStringLiteral("quake3"), control.cvar()), nullptr)
            << control.cvar().toStdString();
    }
    window->findChild<QSlider*>(QStringLiteral("sldSlider_1"))->setValue(3);
    EXPECT_EQ(program.cvars.GetCvar(QStringLiteral("fenkit_bots")), QStringLiteral("3"));

    // A description that is missing or no file opens no window and says so.
    QDir(folder.path()).mkpath(QStringLiteral("Forms/folder.frm"));
    for (const char* name : {"missing.frm", "folder.frm"}) {
        program.interpreter.ExecuteLine(QStringLiteral("loadform ") + QLatin1String(name), true);
        EXPECT_TRUE(program.console.lines().last().startsWith(QStringLiteral("LoadForm "))) << name;
    }
    EXPECT_EQ(desktop.customWindows().openWindows().size(), 1);

    // A right click on a fast-info line runs the line's own command; the
    // window's menu does not take it.
    Form1& form = desktop.mainWindow();
    program.run(QStringLiteral("set fraglimit 20"));
    auto* info = form.findChild<QWidget*>(QStringLiteral("picInfo"));
    FastInfoEntry line;
    for (const FastInfoEntry& entry : program.fastInfo.entries())
        if (entry.rghtclck == QStringLiteral("setdec5 fraglimit"))
            line = entry;
    ASSERT_LT(line.top, line.bottom);
    const QPoint onLine = info->mapTo(&form, QPoint(40, (line.top + line.bottom) / 2));
    // A menu that opens anyway is noted and closed, so the test goes on.
    bool menuOpened = false;
    QTimer::singleShot(100, &form, [&menuOpened] {
        if (QWidget* menu = QApplication::activePopupWidget()) {
            menuOpened = true;
            menu->close();
        }
    });
    QTest::mouseClick(form.windowHandle(), Qt::RightButton, {}, onLine);
    EXPECT_FALSE(menuOpened);
    EXPECT_EQ(program.cvars.GetCvar(QStringLiteral("fraglimit")), QStringLiteral("15"));

    desktop.mainWindow().close();
    EXPECT_TRUE(!window || !window->isVisible());
}

} // namespace
} // namespace fennick
