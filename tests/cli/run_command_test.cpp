#include "buttons/fast_info_painter.h"
#include "cli/run_command.h"
#include "support/qt_print.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fennick::cli {
namespace {

using ::testing::ElementsAre;

class RunCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        write(QStringLiteral("cmds.lst"),
              "\"quake3\",\"g_gametype\",1,2,0,2,\"\\\\Type\\\\x\",\"Game type\"\r\n");
    }
    void write(const QString& name, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(dir.filePath(name)).absolutePath());
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    RunOptions options(QStringList lines = {}) {
        RunOptions o;
        o.programFolder = dir.path();
        o.game = QStringLiteral("quake3");
        o.lines = std::move(lines);
        return o;
    }
    // Runs and returns what was written to the output.
    QString run(const RunOptions& o, QString input = {}) {
        QString out;
        QString err;
        QTextStream in(&input);
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        status = runCommand(o, in, outStream, errStream);
        outStream.flush();
        return out;
    }
    // The output lines, with the load times made fixed.
    static QStringList lines(const QString& out) {
        QStringList result = out.split(QLatin1Char('\n'));
        if (!result.isEmpty() && result.last().isEmpty())
            result.removeLast();
        static const QRegularExpression time(QStringLiteral("\\(\\d+\\.\\d\\d sec\\)$"));
        for (QString& line : result)
            line.replace(time, QStringLiteral("(T sec)"));
        return result;
    }

    QTemporaryDir dir;
    int status = -1;
};

// The start-up before the lines (catalogue, program settings, game switch)
// prints lines of its own; the lines of the run come last, in order.
QStringList tail(const QStringList& all, qsizetype count) {
    return all.mid(all.size() - count);
}

TEST_F(RunCommandTest, ConsoleLinesAreStreamedInOrder) {
    const QString out = run(
        options({"set g_gametype 4", "g_gametype", "openconsole", "set", "MAP q3dm17|set a 1"}));
    EXPECT_EQ(status, 0);
    const QStringList printed = lines(out);
    ASSERT_FALSE(printed.isEmpty());
    EXPECT_EQ(printed.first(),
              QStringLiteral("1 pre-defined commands loaded from cmds.lst (T sec)"));
    EXPECT_THAT(tail(printed, 12),
                ElementsAre(">set g_gametype 4", "CVar Set. (set g_gametype 4)", ">g_gametype",
                            "g_gametype = 4", ">openconsole", "[ui] would open the console window",
                            ">set", "Usage: set cvarname cvarvalue", ">MAP q3dm17",
                            "CVar Set. (map map q3dm17)", ">set a 1", "CVar Set. (set a 1)"));
}

TEST_F(RunCommandTest, LinesComeFromStandardInputWithoutE) {
    const QString out = run(options(), QStringLiteral("set a 1\r\nset b \"x y\"\n\nset c 3"));
    EXPECT_EQ(status, 0);
    EXPECT_THAT(tail(lines(out), 6),
                ElementsAre(">set a 1", "CVar Set. (set a 1)", ">set b \"x y\"",
                            "CVar Set. (set b x y)", ">set c 3", "CVar Set. (set c 3)"));
    // With -e lines, standard input is not read.
    const QString withE = run(options({"set d 4"}), QStringLiteral("set e 5\n"));
    EXPECT_TRUE(withE.contains(QStringLiteral("CVar Set. (set d 4)")));
    EXPECT_FALSE(withE.contains(QStringLiteral("set e 5")));
}

TEST_F(RunCommandTest, JsonReportHoldsConsoleAndCvarsInStoreOrder) {
    // A repeated entry is kept once; another game's entries and the
    // profile of another game are not this game's enumerations.
    write(QStringLiteral("enums.lst"), "\"quake3\",\"g_gametype\",\"Team\",\"4\"\r\n"
                                       "\"quake3\",\"g_gametype\",\"Team\",\"4\"\r\n"
                                       "\"quake2\",\"g_gametype\",\"Deathmatch\",\"0\"\r\n");
    write(QStringLiteral("config/q3_Big Fish.fkp"), "");
    write(QStringLiteral("config/q2_Other.fkp"), "");
    RunOptions o =
        options({"set z 1", "set g_gametype 4", "set a \"two words\"", "del z", "openconsole"});
    o.json = true;
    const QString out = run(o);
    EXPECT_EQ(status, 0);
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(out.toUtf8(), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << out.toStdString();
    ASSERT_TRUE(document.isObject());
    const QJsonObject report = document.object();

    ASSERT_TRUE(report.value(QStringLiteral("console")).isArray());
    QStringList console;
    for (const QJsonValue& v : report.value(QStringLiteral("console")).toArray()) {
        ASSERT_TRUE(v.isString());
        console.append(v.toString());
    }
    EXPECT_THAT(tail(console, 8),
                ElementsAre(">set z 1", "CVar Set. (set z 1)", ">set g_gametype 4",
                            "CVar Set. (set g_gametype 4)", ">set a \"two words\"",
                            "CVar Set. (set a two words)", ">del z", ">openconsole"));

    ASSERT_TRUE(report.value(QStringLiteral("cvars")).isArray());
    const QStringList keys = {"display", "info",      "kind",  "mode",
                              "name",    "placement", "scope", "value"};
    QList<QJsonObject> ours;
    for (const QJsonValue& v : report.value(QStringLiteral("cvars")).toArray()) {
        ASSERT_TRUE(v.isObject());
        EXPECT_EQ(v.toObject().keys(), keys);
        const QString name = v.toObject().value(QStringLiteral("name")).toString();
        if (name == QLatin1String("a") || name == QLatin1String("z") ||
            name == QLatin1String("g_gametype"))
            ours.append(v.toObject());
    }
    // "del z" moved the last cvar ("a") into z's slot, before g_gametype.
    ASSERT_EQ(ours.size(), 2);
    const QJsonObject first = ours[0];
    EXPECT_EQ(first.value(QStringLiteral("name")).toString(), QStringLiteral("a"));
    EXPECT_EQ(first.value(QStringLiteral("value")).toString(), QStringLiteral("two words"));
    EXPECT_EQ(first.value(QStringLiteral("kind")).toString(), QStringLiteral("set"));
    const QJsonObject second = ours[1];
    EXPECT_EQ(second.value(QStringLiteral("name")).toString(), QStringLiteral("g_gametype"));
    EXPECT_EQ(second.value(QStringLiteral("value")).toString(), QStringLiteral("4"));
    EXPECT_TRUE(second.value(QStringLiteral("scope")).isDouble());
    EXPECT_EQ(second.value(QStringLiteral("scope")).toInt(), 1);
    EXPECT_EQ(second.value(QStringLiteral("placement")).toInt(), 2);
    EXPECT_EQ(second.value(QStringLiteral("mode")).toInt(), 2);
    EXPECT_EQ(second.value(QStringLiteral("info")).toString(), QStringLiteral("\\\\Type\\\\x"));
    EXPECT_EQ(second.value(QStringLiteral("display")).toString(), QStringLiteral("Team"));
    EXPECT_EQ(first.value(QStringLiteral("display")).toString(), QStringLiteral("two words"));

    QStringList enumerations;
    for (const QJsonValue& v : report.value(QStringLiteral("enumerations")).toArray()) {
        const QJsonObject e = v.toObject();
        enumerations.append(e.value(QStringLiteral("cvar")).toString() + QLatin1Char('|') +
                            e.value(QStringLiteral("display")).toString() + QLatin1Char('|') +
                            e.value(QStringLiteral("value")).toString());
    }
    EXPECT_THAT(enumerations, ElementsAre("g_gametype|Team|4", "fenkit_player|Big Fish|Big Fish"));
    // Nothing but the document is printed.
    EXPECT_FALSE(out.contains(QStringLiteral("[ui]")));
    EXPECT_TRUE(out.trimmed().startsWith(QLatin1Char('{')));
}

} // namespace
} // namespace fennick::cli

namespace fennick::cli {
namespace {

TEST_F(RunCommandTest, ButtonsAndTheFastInfoPanelReachJsonAndPicture) {
    write(QStringLiteral("cmds.lst"),
          R"("quake3","fraglimit",0,0,0,0,"\caption\^1Frags ^7%v\category\Limits)"
          R"(\lftclck\setadd1 fraglimit","")");
    QByteArray buttons;
    for (const char* b : {"\\game\\quake3\\mod\\all\\category\\Quick Start\\caption\\One\\info\\"
                          "i1\\action\\set a 1",
                          "\\game\\all\\mod\\all\\category\\Tools\\caption\\Two\\action\\x",
                          "\\game\\quake2\\mod\\all\\category\\Q2\\caption\\Three"})
        buttons += QByteArray("addbutton ") + b + "\r\n";
    write(QStringLiteral("Forms/main.fkf"), buttons);
    RunOptions o = options({"set fraglimit 20"});
    o.json = true;
    o.group = QStringLiteral("Tools");
    o.fastInfoPng = dir.filePath(QStringLiteral("panel.png"));
    const QJsonObject report = QJsonDocument::fromJson(run(o).toUtf8()).object();
    EXPECT_EQ(status, 0);

    const QJsonObject b = report.value(QStringLiteral("buttons")).toObject();
    EXPECT_EQ(b.value(QStringLiteral("loaded")).toInt(), 3);
    EXPECT_EQ(b.value(QStringLiteral("groups")).toArray(),
              QJsonArray({QStringLiteral("Quick Start"), QStringLiteral("Tools")}));
    EXPECT_EQ(b.value(QStringLiteral("group")).toString(), QStringLiteral("Tools"));
    const QJsonArray slots = b.value(QStringLiteral("slots")).toArray();
    ASSERT_EQ(slots.size(), 4);
    EXPECT_EQ(slots[0].toObject(), (QJsonObject{{QStringLiteral("caption"), QStringLiteral("Two")},
                                                {QStringLiteral("info"), QString()},
                                                {QStringLiteral("action"), QStringLiteral("x")},
                                                {QStringLiteral("enabled"), true}}));
    EXPECT_EQ(slots[1].toObject().value(QStringLiteral("caption")).toString(),
              QStringLiteral("UnUsed"));
    EXPECT_EQ(b.value(QStringLiteral("other")).toArray(), QJsonArray());

    const QJsonObject f = report.value(QStringLiteral("fastInfo")).toObject();
    EXPECT_EQ(f.value(QStringLiteral("headings")).toArray(),
              QJsonArray({QStringLiteral("-=LIMITS=-")}));
    EXPECT_EQ(
        f.value(QStringLiteral("lines")).toArray(),
        QJsonArray({QJsonObject{{QStringLiteral("heading"), QStringLiteral("-=LIMITS=-")},
                                {QStringLiteral("caption"), QStringLiteral("^1Frags ^720")},
                                {QStringLiteral("lftclck"), QStringLiteral("setadd1 fraglimit")},
                                {QStringLiteral("rghtclck"), QString()}}}));

    // The picture is the panel at its window size, with red and white text.
    const QImage picture(o.fastInfoPng);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), FastInfoPainter::kPanelSize);
    bool red = false;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            red = red || (c.red() > 220 && c.green() < 100 && c.blue() < 100);
        }
    EXPECT_TRUE(red);
}

} // namespace
} // namespace fennick::cli
