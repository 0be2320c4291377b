#include "buttons/fast_info_painter.h"
#include "support/qt_print.h"
#include "support/temp_program.h"

#include <QImage>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fennick {
namespace {

using ::testing::ElementsAre;

class FastInfoTest : public ::testing::Test {
protected:
    Program& start() {
        temp.writeFile("cmds.lst",
                       {R"("quake3","g_gametype",0,1,0,0,"\caption\^7Type: ^2%v\category\Game)"
                        R"(\lftclck\setadd1 g_gametype\rghtclck\setsub1 g_gametype","Game type")",
                        R"("quake3","map",0,0,0,0,"\caption\Map: %m\category\Game","Map")",
                        R"("quake3","fraglimit",0,0,0,0,"\caption\Frags %v\category\Limits)"
                        R"(\rghtclck\set fraglimit 0","Frag limit")",
                        R"("quake3","timelimit",0,0,0,0,"\caption\Time %v","Time limit")"});
        temp.writeFile("enums.lst", {R"("quake3","g_gametype","Tournament","1")"});
        Program& program = temp.program();
        program.loadCatalogue();
        program.game.currentGame = QStringLiteral("quake3");
        for (const char* line : {"set g_gametype 1", "map q3dm17", "set fraglimit 20",
                                 "set timelimit 15", "set fenkit_mp 2"})
            program.run(QString::fromLatin1(line));
        return program;
    }
    QStringList captions() {
        QStringList result;
        for (qsizetype i : temp.program().fastInfo.drawingOrder())
            result.append(temp.program().fastInfo.entries()[i].caption);
        return result;
    }
    // Draws the panel as the window does.
    QImage paint() {
        QImage image(FastInfoPainter::kPanelSize, QImage::Format_RGB32);
        FastInfoPainter::paint(image, {}, temp.program().fastInfo);
        return image;
    }

    test::TempProgram temp;
};

TEST_F(FastInfoTest, RebuildFillsTheLinesUnderTheirHeadings) {
    Program& program = start();
    QStringList headings;
    for (const QString& heading : program.fastInfo.headings())
        headings.append(FastInfo::headingText(heading));
    // The mode heading comes first; a line without category has an empty one.
    EXPECT_THAT(headings, ElementsAre("-=MULTIPLAYER SERVER=-", "-=GAME=-", "-=LIMITS=-", "-==-"));
    // "%v" shows the enumeration's text, or the value; "%m" the map's name.
    EXPECT_THAT(captions(),
                ElementsAre("^7Type: ^2Tournament", "Map: q3dm17", "Frags 20", "Time 15"));

    program.run(QStringLiteral("set fenkit_mp 7"));
    EXPECT_EQ(program.fastInfo.modeHeading(), QString());
    program.fastInfo.setMapTitle([](const QString& map) { return map + QStringLiteral(" title"); });
    program.run(QStringLiteral("set fenkit_mp 1"));
    EXPECT_EQ(program.fastInfo.headings().first(), QStringLiteral("Single Player"));
    EXPECT_EQ(captions()[1], QStringLiteral("Map: q3dm17 title"));
}

TEST_F(FastInfoTest, ClicksRunTheCommandOfTheLineUnderThePointer) {
    Program& program = start();
    temp.takeConsole();
    paint();
    const QVector<FastInfoEntry>& entries = program.fastInfo.entries();
    const auto line = [&](const char* prefix) {
        for (const FastInfoEntry& entry : entries)
            if (entry.caption.startsWith(QLatin1String(prefix)))
                return entry;
        return FastInfoEntry{};
    };
    const FastInfoEntry type = line("^7Type"), frags = line("Frags"), map = line("Map");
    ASSERT_LT(type.top, type.bottom);
    EXPECT_LE(type.bottom, map.top); // drawn in order, one below the other
    EXPECT_LT(map.bottom, frags.top);

    // A line without command is never hit; one with only a right-click
    // command is hit, and reacts only to the right button.
    EXPECT_EQ(program.fastInfo.entryAt(map.top), -1);
    EXPECT_GE(program.fastInfo.entryAt(frags.top), 0);
    program.fastInfo.release(false, frags.top);
    EXPECT_EQ(program.cvars.GetCvar(QStringLiteral("fraglimit")), QStringLiteral("20"));
    program.fastInfo.release(true, frags.bottom - 1);
    EXPECT_EQ(program.cvars.GetCvar(QStringLiteral("fraglimit")), QStringLiteral("0"));

    paint();
    const int typeTop = program.fastInfo.entries()[0].top;
    program.fastInfo.release(false, typeTop);
    EXPECT_EQ(program.cvars.GetCvar(QStringLiteral("g_gametype")), QStringLiteral("2"));
    EXPECT_THAT(temp.takeConsole(), testing::IsEmpty()); // echo off
}

TEST_F(FastInfoTest, HeadingsAreCentredOnGreyBars) {
    start();
    const QImage image = paint();
    // The GAME heading is the line above the first line under it.
    const FastInfoEntry& type = temp.program().fastInfo.entries()[0];
    const int height = type.bottom - type.top;
    const int barRow = type.top - height / 2;
    EXPECT_EQ(QColor(image.pixel(0, barRow)), QColor(127, 127, 127));
    EXPECT_EQ(QColor(image.pixel(image.width() - 1, barRow)), QColor(127, 127, 127));
    // The white heading text sits in the middle of its bar.
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = type.top - height; y < type.top; ++y)
            if (qGray(image.pixel(x, y)) > 200) {
                first = first < 0 ? x : first;
                last = x;
            }
    ASSERT_GE(first, 0);
    EXPECT_NEAR((first + last) / 2.0, image.width() / 2.0, 3.0);
}

TEST_F(FastInfoTest, AtMostFiftyOneHeadings) {
    Program& program = temp.program();
    for (int i = 0; i < 1000; ++i)
        program.fastInfo.AddFastInfo(QStringLiteral("line"), QString::number(i % 60), {}, {});
    EXPECT_EQ(program.fastInfo.headings().size(), FastInfo::kMaxHeadings);
    EXPECT_EQ(program.fastInfo.drawingOrder().size(), 40 * 17 + 11 * 16); // categories 0 to 50
    paint(); // the lines below the panel's foot are laid out without harm
}

TEST_F(FastInfoTest, TheBackgroundPictureIsStretchedOverThePanel) {
    QImage background(4, 3, QImage::Format_RGB32);
    background.fill(QColor(10, 80, 30));
    QImage image(FastInfoPainter::kPanelSize, QImage::Format_RGB32);
    FastInfoPainter::paint(image, background, temp.program().fastInfo);
    EXPECT_EQ(QColor(image.pixel(0, 0)), QColor(10, 80, 30));
    EXPECT_EQ(QColor(image.pixel(image.width() - 1, image.height() - 1)), QColor(10, 80, 30));
}

} // namespace
} // namespace fennick
