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

class BadInputTest : public ::testing::Test {
protected:
    Program& program() { return temp.program(); }
    test::TempProgram temp;
};

TEST_F(BadInputTest, AnyTextIsAValidLine) {
    program().game.currentGame = "quake3";
    QStringList lines = {QString(QChar(0)),
                         QString::fromUtf8("set \0 \0", 7),
                         QString::fromUtf8("set \xe2\x82\xac \xf0\x9f\x98\x80"),
                         QString(1, QChar(0xD800)), // a lone surrogate
                         QString(1000, '|'),
                         QString(1000, ' '),
                         QString(1000, '"'),
                         QString(" \"").repeated(500),
                         QString("w ").repeated(10000)};
    for (const char* line : {"\"\"\"\"\"", "| | |", "set fenkit_player ../../../../etc/passwd",
                             "set fenkit_player \"\"", "loadform ../../x", "addbutton",
                             "setadd5 \"\"", "setdec1 1e308", "set r_mode \"\r\n\t\""})
        lines.append(line);
    for (const QString& line : lines) {
        program().interpreter.ExecuteLine(line, true);
        program().interpreter.ExecuteLine(line, false);
    }
    for (const CvarRecord& r : program().cvars.records())
        (void)cvarLine(r);

    // A megabyte of bars or quotes is handled in linear time.
    program().interpreter.ExecuteLine(QString(1 << 20, QLatin1Char('|')), false);
    program().interpreter.ExecuteLine("set a " + QString(1 << 20, QLatin1Char('"')), false);
    program().interpreter.ExecuteLine(QStringLiteral(" \"").repeated(1 << 19), false);
    program().interpreter.ExecuteLine(QStringLiteral("set a 1|").repeated(1 << 16), false);
    EXPECT_EQ(program().cvars.GetCvar("a"), "1");
}

TEST_F(BadInputTest, AnyTextIsAValidNameOrValue) {
    const QStringList texts = {
        QString(), QString(QChar(0)), " ", "\"", "a b", QString(1 << 20, QLatin1Char('n')), "\r\n"};
    for (const QString& name : texts) {
        for (const QString& value : texts)
            program().cvars.SetCvar(name, value, 0, 0, "set");
    }
    EXPECT_EQ(program().cvars.size(), texts.size());
    for (const QString& name : texts) {
        EXPECT_EQ(program().cvars.GetCvar(name), texts.last());
        (void)cvarLine(*program().cvars.find(name));
        program().cvars.DeleteCvar(name);
    }
    EXPECT_EQ(program().cvars.size(), 0);
}

// Binary bytes, a megabyte line, a missing last line end, an empty file and
// a configuration file shorter than its header all load and say so.
TEST_F(BadInputTest, ConfigFilesOfAnyBytesLoad) {
    struct Case {
        const char* file;
        QByteArray bytes;
        const char* cvar; // set by the file's last line; nullptr: nothing to check
        qsizetype size;
    };
    const Case cases[] = {
        {"config/q3_binary.fkc", randomBytes(256 * 1024, 7), nullptr, 0},
        {"config/q3_general.cfg", randomBytes(256 * 1024, 8), nullptr, 0},
        {"config/q3_big.fkp",
         "set before 1\r\nset big " + QByteArray(1 << 20, 'x') + "\r\nset after 22\r\n", "big",
         1 << 20},
        {"config/q3_tail.cfg", "set a 1\r\nset b 22", "b", 2},
        {"config/q3_lf.cfg", "set c 3\nset d 22", "d", 2},
        {"config/q3_empty.cfg", "", nullptr, 0},
        {"config/q3_x_0.fkc", "Mod\r\nName\r\nset header 1", "header", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        temp.writeBytes(QString::fromUtf8(c.file), c.bytes);
        temp.takeConsole();
        program().configs.LoadConfigFile(temp.path(QString::fromUtf8(c.file)));
        EXPECT_TRUE(temp.takeConsole().value(0).startsWith("Loaded "));
        if (c.cvar) {
            EXPECT_EQ(program().cvars.GetCvar(QString::fromUtf8(c.cvar)).size(), c.size);
        }
    }
    EXPECT_EQ(program().cvars.GetCvar("after"), "22");
}

TEST_F(BadInputTest, CatalogueFilesOfAnyBytesLoad) {
    temp.writeBytes("cmds.lst", randomBytes(256 * 1024, 11));
    temp.writeBytes("enums.lst", randomBytes(256 * 1024, 12));
    program().loadCatalogue();
    const QStringList console = temp.takeConsole();
    ASSERT_EQ(console.size(), 2);
    EXPECT_TRUE(console[0].contains(" pre-defined commands loaded from cmds.lst ("));
    EXPECT_TRUE(console[1].contains(" enumerations loaded from enums.lst. ("));

    // Megabyte lines among the records.
    test::TempProgram big;
    const QByteArray commas(1 << 20, ',');
    big.writeBytes("cmds.lst", "quake3,a,1,1,0,0,\"\",\"\"\r\n" + commas + "\r\n" +
                                   QByteArray(1 << 20, '"') + "\r\nquake3,z,2,2,0,0,\"\",\"\"\r\n");
    big.writeBytes("enums.lst",
                   "quake3,r_mode,\"" + QByteArray(1 << 20, 'y') + "\",3\r\n" + commas);
    big.program().loadCatalogue();
    EXPECT_NE(big.program().catalogue.find("quake3", "a"), nullptr);
    EXPECT_EQ(big.program().enums.entries().size(), 2);
    EXPECT_EQ(big.program().enums.entries()[0].display.size(), 1 << 20);

    // The last record loads without a line end after it.
    test::TempProgram tail;
    tail.writeBytes("cmds.lst", "quake3,a,1,1,0,0,\"\",\"\"\r\nquake3,b,2,1,0,0,\"i\",\"h\"");
    tail.writeBytes("enums.lst", "quake3,r_mode,\"640x480\",3\r\nquake3,r_mode,\"800x600\",4,");
    tail.program().loadCatalogue();
    const PredefinedCommand* b = tail.program().catalogue.find("quake3", "b");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->help, "h");
    EXPECT_THAT(tail.program().enums.FillEnumList("quake3", "r_mode"),
                ::testing::ElementsAre("640x480", "800x600"));
}

} // namespace
} // namespace fennick
