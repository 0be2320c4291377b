#include "app/widgets/desktop_fixture.h"
#include "buttons/fast_info_painter.h"
#include "buttons/widgets/button_area.h"
#include "buttons/widgets/fast_info_view.h"
#include "buttons/widgets/map_picture.h"
#include "support/qt_print.h"
#include "support/wait_for.h"
#include "support/zip_writer.h"

#include <QBuffer>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace fennick {
namespace {

class MainWindowButtonsTest : public ::testing::Test {
protected:
    MainWindowButtonsTest() {
        QStringList lines;
        for (int i = 1; i <= 6; ++i)
            lines.append(QStringLiteral("addbutton \\game\\all\\mod\\all\\category\\Quick Start"
                                        "\\caption\\Q%1\\info\\Tip %1\\action\\set pressed %1")
                             .arg(i));
        lines.append(QStringLiteral("addbutton \\game\\all\\mod\\all\\category\\Tools"
                                    "\\caption\\T1\\action\\set tool 1"));
        write(QStringLiteral("Forms/buttons.fkf"), lines.join(QStringLiteral("\r\n")).toUtf8());
        write(QStringLiteral("cmds.lst"),
              R"("quake3","fraglimit",0,0,0,0,"\caption\Frags %v\category\Limits)"
              R"(\lftclck\setadd1 fraglimit\rghtclck\set fraglimit 0","")");
        program.loadCatalogue();
        program.LoadButtons();
        program.game.currentGame = QStringLiteral("quake3");
        program.game.currentModKey = QStringLiteral("quake3");
    }
    void write(const QString& name, const QByteArray& bytes) {
        QFile file(fixture.touch(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QPushButton* button(ButtonArea& area, int i) {
        return area.findChild<QPushButton*>(QStringLiteral("cmdCommand%1").arg(i));
    }

    test::DesktopFixture fixture;
    Program& program = *fixture.program;
};

TEST_F(MainWindowButtonsTest, GroupsBuildIntoButtonsAndTheOverflowList) {
    ButtonArea area(program.buttonGroups);
    area.show();
    program.buttonGroups.GetButtonGroups();
    auto* selector = area.findChild<QComboBox*>(QStringLiteral("ImageCombo1"));
    auto* other = area.findChild<QComboBox*>(QStringLiteral("ImageCombo2"));
    ASSERT_TRUE(selector && other);
    EXPECT_EQ(selector->count(), 2);
    EXPECT_EQ(selector->currentText(), QStringLiteral("Quick Start"));
    EXPECT_EQ(button(area, 0)->text(), QStringLiteral("UnUsed"));
    EXPECT_FALSE(button(area, 0)->isEnabled());
    ASSERT_SOON(other->count() == 2, 3000);
    EXPECT_EQ(button(area, 3)->text(), QStringLiteral("Q4"));
    EXPECT_EQ(button(area, 3)->toolTip(), QStringLiteral("Tip 4"));
    EXPECT_EQ(other->currentIndex(), -1); // showing its idle text
    EXPECT_EQ(other->placeholderText(), QStringLiteral("Other..."));

    QTest::mouseClick(button(area, 2), Qt::LeftButton);
    EXPECT_EQ(program.cvars.GetCvar(QStringLiteral("pressed")), QStringLiteral("3"));
    other->setCurrentIndex(1);
    Q_EMIT other->activated(1);
    EXPECT_EQ(program.cvars.GetCvar(QStringLiteral("pressed")), QStringLiteral("6"));
    EXPECT_EQ(other->currentIndex(), -1);

    // Another pick rebuilds: the buttons reset at once, then fill.
    selector->setCurrentIndex(1);
    EXPECT_EQ(button(area, 0)->text(), QStringLiteral("UnUsed"));
    EXPECT_EQ(other->count(), 0);
    ASSERT_SOON(button(area, 0)->text() == QStringLiteral("T1"), 2000);
}

TEST_F(MainWindowButtonsTest, ClosingTheWindowDuringABuildIsHarmless) {
    auto* area = new ButtonArea(program.buttonGroups);
    area->show();
    program.buttonGroups.GetButtonGroups();
    QTest::qWait(ButtonGroups::kPauseMs + 20);
    delete area;
    ASSERT_SOON(!program.buttonGroups.building(), 2000);
    EXPECT_TRUE(program.buttonGroups.slots()[3].enabled);
}

TEST_F(MainWindowButtonsTest, FastInfoLinesLightUpAndAnswerClicks) {
    FastInfoView view(program.fastInfo);
    view.show();
    program.run(QStringLiteral("set fraglimit 20"));
    const FastInfoEntry entry = program.fastInfo.entries().value(0);
    ASSERT_LT(entry.top, entry.bottom);
    const QPoint onLine(40, (entry.top + entry.bottom) / 2);
    const QImage plain = view.picture();
    QTest::mouseMove(&view, onLine);
    EXPECT_EQ(QColor(view.picture().pixel(view.width() - 2, onLine.y())), QColor(200, 200, 200));
    QTest::mouseMove(&view, QPoint(40, view.height() - 2));
    EXPECT_EQ(view.picture(), plain);

    QTest::mouseClick(&view, Qt::LeftButton, {}, onLine);
    EXPECT_EQ(program.cvars.GetCvar(QStringLiteral("fraglimit")), QStringLiteral("21"));
    QTest::mouseClick(&view, Qt::RightButton, {}, onLine);
    EXPECT_EQ(program.cvars.GetCvar(QStringLiteral("fraglimit")), QStringLiteral("0"));
}

} // namespace
} // namespace fennick

namespace fennick {
namespace {

// The fast-info panel's "%m" and the map picture read the game's archives.
TEST_F(MainWindowButtonsTest, TheMapShowsItsTitleAndLevelShot) {
    QFile(fixture.touch(QStringLiteral("q3/quake3.exe"))).close();
    QImage shot(8, 6, QImage::Format_RGB32);
    shot.fill(QColor(200, 40, 40));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) && shot.save(&buffer, "JPG"));
    test::writeZip(fixture.path(QStringLiteral("q3/baseq3/pak0.pk3")),
                   {test::member("scripts/arenas.txt",
                                 "{\nmap \"q3dm17\"\nlongname \"The Longest Yard\"\n}\n"),
                    test::member("levelshots/q3dm17.jpg", jpeg)});
    write(QStringLiteral("cmds.lst"),
          R"("quake3","map",0,0,0,0,"\caption\Map: %m\category\Game","")");
    program.loadCatalogue();
    program.settings.setQuake3Dir(fixture.path(QStringLiteral("q3")));
    MapPicture picture(program.fastInfo, program.cvars, program.game, program.mapTitles,
                       program.levelShots);
    picture.show();
    program.run(QStringLiteral("map q3dm17"));
    EXPECT_EQ(program.fastInfo.entries().value(0).caption, QStringLiteral("Map: The Longest Yard"));
    const QImage drawn = picture.grab().toImage();
    const QColor middle = drawn.pixelColor(MapPicture::kPictureSize.width() / 2,
                                           MapPicture::kPictureSize.height() / 2);
    EXPECT_GT(middle.red(), 150);
    EXPECT_LT(middle.green(), 100);
}

} // namespace
} // namespace fennick
