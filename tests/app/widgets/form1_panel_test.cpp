#include "app/widgets/desktop_fixture.h"
#include "app/widgets/form1.h"
#include "app/widgets/frm_setup.h"
#include "support/qt_print.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace fennick {
namespace {

class MainWindowPanelTest : public ::testing::Test {
protected:
    MainWindowPanelTest() {
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    void write(const QString& relative, const QByteArray& bytes) {
        QFile file(fixture.touch(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray configuration(const char* description, const char* name,
                                    const char* commands) {
        QByteArray text = QByteArray(description) + "\r\n" + name + "\r\n";
        for (int i = 0; i < 8; ++i)
            text += "Reserved\r\n";
        return text + commands;
    }
    template <typename T> T* child(const char* name) {
        T* found = form.findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    test::DesktopFixture fixture;
    Program& program = *fixture.program;
    frmSetup setup{program.settings};
    Form1 form{program, setup};
};

TEST_F(MainWindowPanelTest, ThePanelSitsBelowTheStripInsideTheWindow) {
    const char* names[] = {"ListView1", "Text1",         "Combo1",    "File1",
                           "picIco",    "cmbResolution", "pic3DMode", "Command1"};
    QVector<QRect> placed;
    for (const char* name : names) {
        auto* widget = child<QWidget>(name);
        ASSERT_NE(widget, nullptr);
        EXPECT_TRUE(widget->isVisible()) << name;
        const QRect area(widget->mapTo(&form, QPoint(0, 0)), widget->size());
        EXPECT_GE(area.top(), 60) << name; // below the title strip
        EXPECT_TRUE(form.rect().contains(area)) << name;
        for (const QRect& other : placed)
            EXPECT_FALSE(area.intersects(other)) << name;
        placed.append(area);
    }
    EXPECT_EQ(child<QPushButton>("Command1")->text(), "Launch Quake");
    EXPECT_EQ(child<QLineEdit>("Text1")->text(), "Mod Name");
    EXPECT_EQ(child<QComboBox>("Combo1")->currentText(), "Default Configuration");
}

// From the game icon to a running game with the mouse alone: Quake III's
// icon, the mod, its second configuration, "Launch Quake".
TEST_F(MainWindowPanelTest, IconModConfigurationAndLaunchWithTheMouse) {
    const QString games = "Quake III Arena";
    const QString out = fixture.path("launched.txt");
    write(games + "/quake3.exe", "#!/bin/sh\n{ pwd; printf '%s\\n' \"$@\"; cat cpma/fenkit.cfg; }"
                                 " > '" +
                                     out.toUtf8() + ".part'\nmv '" + out.toUtf8() + ".part' '" +
                                     out.toUtf8() + "'\n");
    const QString exe = fixture.path(games + "/quake3.exe");
    QFile::setPermissions(exe, QFile::permissions(exe) | QFile::ExeOwner);
    fixture.touch(games + "/baseq3/pak0.pk3");
    fixture.touch(games + "/cpma/readme.txt");
    write("config/q3_cpma_0.fkc", configuration("CPMA Pro", "Duel", "map q3dm17\r\n"));
    write("config/q3_cpma_1.fkc", configuration("CPMA Pro", "Team", "map q3tourney2\r\n"));
    program.settings.setQuake3Dir(fixture.path(games));

    QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(115, 25));
    ASSERT_EQ(program.game.currentGame, "quake3");

    auto* list = child<QListView>("ListView1");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->model()->rowCount(), 2);
    EXPECT_EQ(list->model()->index(0, 0).data().toString(), "CPMA Pro");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(0, 0)).center());

    auto* combo = child<QComboBox>("Combo1");
    ASSERT_NE(combo, nullptr);
    combo->showPopup();
    QAbstractItemView* entries = combo->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(entries->window()));
    QTest::mouseClick(entries->viewport(), Qt::LeftButton, {},
                      entries->visualRect(entries->model()->index(1, 0)).center());
    EXPECT_EQ(program.cvars.GetCvar("map"), "q3tourney2");

    auto* launch = child<QPushButton>("Command1");
    ASSERT_NE(launch, nullptr);
    QTest::mouseClick(launch, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(out); }, 10000));
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList seen = QString::fromUtf8(file.readAll()).remove('\r').split('\n');
    ASSERT_GE(seen.size(), 7);
    EXPECT_EQ(QFileInfo(seen[0]).canonicalFilePath(),
              QFileInfo(fixture.path(games)).canonicalFilePath());
    EXPECT_EQ(seen.mid(1, 6),
              QStringList({"+set", "fs_game", "cpma", "+exec", "fenkit.cfg", "map q3tourney2"}));
}

} // namespace
} // namespace fennick
