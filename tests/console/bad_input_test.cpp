// Untrusted input: any text is a valid console line, cvar name or value, and
// a file of any bytes loads through LoadConfigFile and the catalogue loaders.
#include "console/cvar_record.h"
#include "support/qt_print.h"
#include "support/temp_program.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <random>

namespace fennick {
namespace {

QByteArray randomBytes(int size, unsigned seed) {
    std::mt19937 engine(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    QByteArray bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(byte(engine));
    return bytes;
}

const QByteArray kMegabyteLine = "set big " + QByteArray(1 << 20, 'x');

class BadInputTest : public ::testing::Test {
protected:
    Program& program() { return temp.program(); }
    void loadConfig(const QString& relative) {
        program().configs.LoadConfigFile(temp.path(relative));
    }
    void loadCatalogue() { program().loadCatalogue(); }

    test::TempProgram temp;
};

TEST_F(BadInputTest, AnyTextIsAValidLine) {
    program().game.currentGame = QStringLiteral("quake3");
    const QStringList lines = {
        QString(QChar(0)),
        QString::fromUtf8("set \0 \0", 7),
        QString::fromUtf8("set \xe2\x82\xac \xf0\x9f\x98\x80"),
        QString(1, QChar(0xD800)), // a lone surrogate
        QStringLiteral("\"\"\"\"\""),
        QStringLiteral("| | |"),
        QString(1000, QLatin1Char('|')),
        QString(1000, QLatin1Char(' ')),
        QString(1000, QLatin1Char('"')),
        QStringLiteral(" \"").repeated(500),
        QStringLiteral("set fenkit_player ../../../../etc/passwd"),
        QStringLiteral("set fenkit_player \"\""),
        QStringLiteral("loadform ../../x"),
        QStringLiteral("addbutton"),
        QStringLiteral("setadd5 \"\""),
        QStringLiteral("setdec1 1e308"),
        QStringLiteral("set r_mode \"\r\n\t\""),
        QStringLiteral("w ").repeated(10000),
    };
    for (const QString& line : lines) {
        program().interpreter.ExecuteLine(line, true);
        program().interpreter.ExecuteLine(line, false);
    }
    for (const CvarRecord& r : program().cvars.records())
        (void)cvarLine(r);
    SUCCEED();
}

TEST_F(BadInputTest, AnyTextIsAValidNameOrValue) {
    const QStringList texts = {QString(),
                               QString(QChar(0)),
                               QStringLiteral(" "),
                               QStringLiteral("\""),
                               QStringLiteral("a b"),
                               QString(1 << 20, QLatin1Char('n')),
                               QStringLiteral("\r\n")};
    for (const QString& name : texts) {
        for (const QString& value : texts)
            program().cvars.SetCvar(name, value, 0, 0, QStringLiteral("set"));
    }
    EXPECT_EQ(program().cvars.size(), texts.size());
    for (const QString& name : texts) {
        EXPECT_EQ(program().cvars.GetCvar(name), texts.last());
        (void)cvarLine(*program().cvars.find(name));
        program().cvars.DeleteCvar(name);
    }
    EXPECT_EQ(program().cvars.size(), 0);
}

TEST_F(BadInputTest, AMegabyteOfBarsOrQuotesIsHandledInLinearTime) {
    program().interpreter.ExecuteLine(QString(1 << 20, QLatin1Char('|')), false);
    program().interpreter.ExecuteLine(QStringLiteral("set a ") + QString(1 << 20, QLatin1Char('"')),
                                      false);
    program().interpreter.ExecuteLine(QStringLiteral(" \"").repeated(1 << 19), false);
    program().interpreter.ExecuteLine(QStringLiteral("set a 1|").repeated(1 << 16), false);
    EXPECT_EQ(program().cvars.GetCvar(QStringLiteral("a")), QStringLiteral("1"));
}

TEST_F(BadInputTest, ConfigFileOfBinaryBytesLoads) {
    temp.writeBytes(QStringLiteral("config/q3_binary.fkc"), randomBytes(256 * 1024, 7));
    temp.writeBytes(QStringLiteral("config/q3_general.cfg"), randomBytes(256 * 1024, 8));
    loadConfig(QStringLiteral("config/q3_binary.fkc"));
    loadConfig(QStringLiteral("config/q3_general.cfg"));
    EXPECT_EQ(temp.takeConsole().filter(QStringLiteral("Loaded ")).size(), 2);
}

TEST_F(BadInputTest, ConfigFileWithAMegabyteLineLoads) {
    temp.writeBytes(QStringLiteral("config/q3_big.fkp"),
                    "set before 1\r\n" + kMegabyteLine + "\r\nset after 2\r\n");
    loadConfig(QStringLiteral("config/q3_big.fkp"));
    EXPECT_EQ(program().cvars.GetCvar(QStringLiteral("big")).size(), 1 << 20);
    EXPECT_EQ(program().cvars.GetCvar(QStringLiteral("after")), QStringLiteral("2"));
}

TEST_F(BadInputTest, ConfigFileWithoutFinalLineEndRunsItsLastLine) {
    temp.writeBytes(QStringLiteral("config/q3_tail.cfg"), "set a 1\r\nset b 2");
    temp.writeBytes(QStringLiteral("config/q3_lf.cfg"), "set c 3\nset d 4");
    temp.writeBytes(QStringLiteral("config/q3_empty.cfg"), "");
    loadConfig(QStringLiteral("config/q3_tail.cfg"));
    loadConfig(QStringLiteral("config/q3_lf.cfg"));
    loadConfig(QStringLiteral("config/q3_empty.cfg"));
    EXPECT_EQ(program().cvars.GetCvar(QStringLiteral("b")), QStringLiteral("2"));
    EXPECT_EQ(program().cvars.GetCvar(QStringLiteral("d")), QStringLiteral("4"));
    EXPECT_EQ(temp.takeConsole().size(), 3);
}

TEST_F(BadInputTest, ShortConfigurationFilesLoseOnlyTheirHeader) {
    temp.writeBytes(QStringLiteral("config/q3_x_0.fkc"), "Mod\r\nName\r\nset a 1");
    loadConfig(QStringLiteral("config/q3_x_0.fkc"));
    EXPECT_EQ(program().cvars.size(), 0);
    EXPECT_EQ(temp.takeConsole().size(), 1);
}

TEST_F(BadInputTest, CatalogueFilesOfBinaryBytesLoad) {
    temp.writeBytes(QStringLiteral("cmds.lst"), randomBytes(256 * 1024, 11));
    temp.writeBytes(QStringLiteral("enums.lst"), randomBytes(256 * 1024, 12));
    loadCatalogue();
    const QStringList console = temp.takeConsole();
    ASSERT_EQ(console.size(), 2);
    EXPECT_TRUE(
        console[0].contains(QStringLiteral(" pre-defined commands loaded from cmds.lst (")));
    EXPECT_TRUE(console[1].contains(QStringLiteral(" enumerations loaded from enums.lst. (")));
}

TEST_F(BadInputTest, CatalogueFilesWithAMegabyteLineLoad) {
    const QByteArray commas(1 << 20, ',');
    const QByteArray quotes(1 << 20, '"');
    temp.writeBytes(QStringLiteral("cmds.lst"), "quake3,a,1,1,0,0,\"\",\"\"\r\n" + commas + "\r\n" +
                                                    quotes + "\r\nquake3,z,2,2,0,0,\"\",\"\"\r\n");
    temp.writeBytes(QStringLiteral("enums.lst"),
                    "quake3,r_mode,\"" + QByteArray(1 << 20, 'y') + "\",3\r\n" + commas);
    loadCatalogue();
    EXPECT_NE(program().catalogue.find(QStringLiteral("quake3"), QStringLiteral("a")), nullptr);
    EXPECT_EQ(program().enums.entries().size(), 2);
    EXPECT_EQ(program().enums.entries()[0].display.size(), 1 << 20);
}

TEST_F(BadInputTest, CatalogueFilesWithoutFinalLineEndLoadTheirLastRecord) {
    temp.writeBytes(QStringLiteral("cmds.lst"),
                    "quake3,a,1,1,0,0,\"\",\"\"\r\nquake3,b,2,1,0,0,\"i\",\"h\"");
    temp.writeBytes(QStringLiteral("enums.lst"),
                    "quake3,r_mode,\"640x480\",3\r\nquake3,r_mode,\"800x600\",4,");
    loadCatalogue();
    ASSERT_NE(program().catalogue.find(QStringLiteral("quake3"), QStringLiteral("b")), nullptr);
    EXPECT_EQ(program().catalogue.find(QStringLiteral("quake3"), QStringLiteral("b"))->help,
              QStringLiteral("h"));
    EXPECT_THAT(program().enums.FillEnumList(QStringLiteral("quake3"), QStringLiteral("r_mode")),
                ::testing::ElementsAre("640x480", "800x600"));
}

} // namespace
} // namespace fennick
