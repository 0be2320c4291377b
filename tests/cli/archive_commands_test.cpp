#include "archive/zip_listing.h"
#include "cli/cli_command.h"
#include "support/qt_matchers.h"
#include "support/qt_print.h"
#include "support/zip_writer.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fennick::cli {
namespace {

using test::HasText;
using test::member;
using ::testing::ElementsAre;

QByteArray jpeg(QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPG");
    return bytes;
}

// A program folder whose config.cfg names a Quake III directory holding a
// base archive with bots, an arena script, a map and its level shot, and a
// mod with an arena of its own.
class ArchiveCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        const QString q3 = dir.filePath("games/Quake3");
        QFile exe(q3 + "/quake3.exe");
        QDir().mkpath(q3);
        ASSERT_TRUE(exe.open(QIODevice::WriteOnly));
        QFile config(dir.filePath("config.cfg"));
        ASSERT_TRUE(config.open(QIODevice::WriteOnly));
        config.write("\"\",0\r\n\"\",0\r\n\"" + q3.toUtf8() +
                     "\",0\r\n\"1\"\r\n\"10\"\r\n\"5\"\r\n\"Default OpenGL\"\r\n0,\"\"\r\n0\r\n");
        pak0 = test::writeZip(
            q3 + "/baseq3/pak0.pk3",
            {member("maps/q3dm1.bsp", "bsp"),
             member("scripts/bots.txt",
                    "{\r\nname\tSarge\r\nfunname\t^1Sarge\r\n}\r\nname\tDoom\r\n"),
             member("scripts/arenas.txt", "map \"q3dm1\"\r\nlongname \"Arena Gate\"\r\n"),
             member("levelshots/q3dm1.jpg", jpeg(QSize(12, 9))), member("../../escape.txt", "x")});
        test::writeZip(q3 + "/cpma/cpm.pk3",
                       {member("scripts/arenas.txt", "map cpm3\r\nlongname \"Mod Arena\"\r\n")});
    }
    QStringList run(QStringList arguments) {
        arguments.insert(1, "--program-folder");
        arguments.insert(2, dir.path());
        return runBare(arguments);
    }
    QStringList runBare(const QStringList& arguments) {
        out.clear();
        err.clear();
        QString input;
        QTextStream in(&input), outStream(&out), errStream(&err);
        CliStreams streams{in, outStream, errStream, false};
        status = dispatch(arguments, streams);
        outStream.flush();
        errStream.flush();
        return out.split('\n', Qt::SkipEmptyParts);
    }

    QTemporaryDir dir;
    QString pak0;
    QString out, err;
    int status = -1;
};

TEST_F(ArchiveCommandsTest, ZipListPrintsTheReportExactly) {
    runBare({"zip-list", pak0, "*.BSP"});
    EXPECT_EQ(status, 0);
    EXPECT_EQ(out, ListZip(pak0, "*.bsp"));
    EXPECT_THAT(out, HasText("maps/q3dm1.bsp"));
    runBare({"zip-list", pak0, "*.md3"});
    EXPECT_EQ(status, 0);
    EXPECT_EQ(out, QString());
    runBare({"zip-list", dir.filePath("config.cfg"), "*"});
    EXPECT_EQ(status, 1);
    EXPECT_EQ(out, QString());
    EXPECT_THAT(err, HasText("cannot read"));
    runBare({"zip-list", pak0});
    EXPECT_EQ(status, 2);
}

TEST_F(ArchiveCommandsTest, ZipExtractWritesIntoTempOnly) {
    EXPECT_THAT(run({"zip-extract", pak0, "*.txt"}),
                ElementsAre("bots.txt", "arenas.txt", "escape.txt"));
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(QFile::exists(dir.filePath("temp/escape.txt")));
    EXPECT_FALSE(QFile::exists(dir.filePath("escape.txt")));
    EXPECT_FALSE(QFile::exists(dir.filePath("../escape.txt")));
}

TEST_F(ArchiveCommandsTest, BotsAreListedWithTheConsoleLine) {
    QStringList lines = run({"bots"});
    ASSERT_EQ(lines.size(), 3);
    EXPECT_THAT(lines[0], HasText("2 q3a bots found. ("));
    EXPECT_THAT(lines.mid(1), ElementsAre("Sarge", "Doom"));

    run({"bots", "--json"});
    const QJsonObject report = QJsonDocument::fromJson(out.toUtf8()).object();
    EXPECT_EQ(report["bots"].toArray(), QJsonArray({"Sarge", "Doom"}));
    // The same line, though the time it took may differ from run to run.
    bool found = false;
    for (const QJsonValue& line : report["console"].toArray())
        found = found || line.toString().startsWith(QStringLiteral("2 q3a bots found. ("));
    EXPECT_TRUE(found);
}

TEST_F(ArchiveCommandsTest, TitlesAndLevelShots) {
    EXPECT_THAT(run({"title", "q3dm1"}), ElementsAre("Arena Gate"));
    EXPECT_THAT(run({"title", "cpm3", "--mod", "CPMA"}), ElementsAre("Mod Arena"));
    EXPECT_THAT(run({"title", "cpm3"}), ElementsAre("cpm3"));
    run({"title", "cpm3", "--mod", "../x"});
    EXPECT_EQ(status, 2);

    const QString png = dir.filePath("shot.png");
    run({"levelshot", "q3dm1", "--png", png});
    EXPECT_EQ(status, 0);
    EXPECT_EQ(QImage(png, "PNG").size(), QSize(12, 9));
    run({"levelshot", "q3dm9", "--png", png});
    EXPECT_EQ(status, 1);
    run({"levelshot", "q3dm1"});
    EXPECT_EQ(status, 2);
}

TEST_F(ArchiveCommandsTest, TheLaunchAddsBotsFromTheArchives) {
    const QStringList lines = run({"run", "--game", "quake3", "-e", "set bot_enable 1", "-e",
                                   "set fenkit_bots 3", "--preview"});
    EXPECT_EQ(lines.filter(QRegularExpression("^  addbot (Sarge|Doom) 3 $")).size(), 3)
        << out.toStdString();
}

} // namespace
} // namespace fennick::cli

namespace fennick::cli {
namespace {

TEST_F(ArchiveCommandsTest, MapsScansAGroupOrReadsItFromMapsList) {
    test::writeZip(dir.filePath("games/Quake3/cpma/cpm.pk3"),
                   {member("maps/cpm3.bsp"),
                    member("scripts/arenas.txt", "map cpm3\r\nlongname \"Mod Arena\"\r\n")});
    QStringList lines = run({"maps", "All"});
    EXPECT_EQ(status, 0);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_THAT(lines[0], HasText("Found 1 maps in "));
    EXPECT_THAT(lines[0], HasText(" sec (group Quake 3 Arena\\All)"));
    EXPECT_EQ(lines[1], QStringLiteral("q3dm1\tArena Gate\tpak0.pk3"));
    EXPECT_THAT(run({"maps", "Mod", "--mod", "cpma"}).mid(1),
                ElementsAre("cpm3\tMod Arena\tcpm.pk3"));

    run({"maps", "All", "--json"});
    const QJsonArray maps = QJsonDocument::fromJson(out.toUtf8()).object()["maps"].toArray();
    ASSERT_EQ(maps.size(), 1);
    EXPECT_EQ(maps[0].toObject(), QJsonObject({{"name", "q3dm1"},
                                               {"fullname", "Arena Gate"},
                                               {"mod", "baseq3"},
                                               {"pak", "pak0.pk3"},
                                               {"timesplayed", 0},
                                               {"group", "Quake 3 Arena\\All"},
                                               {"addtime", 0}}));

    QFile list(dir.filePath("maps.lst"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("\"q3dm7\",\"Quake 3 Arena\\Favourites\",\"Temple\",\"baseq3\",\"\",2,0\r\n"
               "\"e1m1\",\"Quake 1\\Favourites\",\"Slipgate\",\"\",\"\",0,0\r\n"
               "\"stray\",\"Quake 3 Arena\\All\",\"Stray\",\"baseq3\",\"\",0,0\r\n");
    list.close();
    // A scanned group in the file is no reason to skip the scan.
    EXPECT_THAT(run({"maps", "All"}).mid(1), ElementsAre("q3dm1\tArena Gate\tpak0.pk3"));
    EXPECT_THAT(run({"maps", "Favourites"}), ElementsAre("q3dm7\tTemple\t"));
    EXPECT_THAT(run({"maps", "Quake 1\\Favourites"}), ElementsAre("e1m1\tSlipgate\t"));
    EXPECT_EQ(status, 0);

    run({"maps", "Mod"});
    EXPECT_EQ(status, 2);
    run({"maps"});
    EXPECT_EQ(status, 2);
}

} // namespace
} // namespace fennick::cli
