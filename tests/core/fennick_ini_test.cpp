#include "app/program.h"
#include "app/startup.h"
#include "core/fennick_ini.h"
#include "support/qt_print.h"
#include "support/temp_program.h"

#include <QSettings>
#include <gtest/gtest.h>

namespace fennick::test {
namespace {

TEST(FennickIni, ValuesSurviveTheFileAndUnknownKeysAndCommentsAreKept) {
    TempProgram temp;
    const QString path = temp.path("fennick.ini");
    FennickIni ini(path);
    EXPECT_EQ(ini.load(), FennickIni::FileState::Missing);
    EXPECT_EQ(ini.engine("quake3"), "");
    // A missing file is written with every key, so they can be seen.
    ASSERT_TRUE(ini.save());
    QSettings written(path, QSettings::IniFormat);
    EXPECT_TRUE(written.contains("engines/quake1") && written.contains("homes/quake3"));

    const QString awkward = "/opt/games, old/ioq3 \"x\"";
    ini.setEngine("quake3", awkward);
    ini.setHome("quake2", "~/.yq2");
    ASSERT_TRUE(ini.save());
    FennickIni again(path);
    EXPECT_EQ(again.load(), FennickIni::FileState::Read);
    EXPECT_EQ(again.engine("quake3"), awkward);
    EXPECT_EQ(again.home("quake2"), "~/.yq2");

    // A file the program did not change is not rewritten: its comments and
    // the keys of later sections stay as the user wrote them.
    const QByteArray handWritten =
        "; my engines\n[engines]\nquake3=ioquake3\n[network]\nmaster=127.0.0.1:27950\n";
    temp.writeBytes("fennick.ini", handWritten);
    ASSERT_EQ(again.load(), FennickIni::FileState::Read);
    EXPECT_EQ(again.engine("quake3"), "ioquake3");
    ASSERT_TRUE(again.save());
    EXPECT_EQ(temp.readBytes("fennick.ini"), handWritten);
    again.setEngine("quake2", "yquake2");
    ASSERT_TRUE(again.save());
    EXPECT_EQ(QSettings(path, QSettings::IniFormat).value("network/master").toString(),
              "127.0.0.1:27950");
}

TEST(FennickIni, ADamagedFileNeverStopsTheStart) {
    const QByteArray damaged[] = {
        QByteArray("\x00\xff[[[engines\n=\n\x01quake3", 20),
        "[engines\nquake3=ioquake3\n\\\\\\\n[]\n=novalue\n",
        QByteArray(300000, '['),
    };
    for (const QByteArray& bytes : damaged) {
        TempProgram temp;
        temp.writeBytes("fennick.ini", bytes);
        FennickIni ini(temp.path("fennick.ini"));
        ini.load(); // whatever it makes of it, it returns
        (void)ini.engine("quake3");
    }
    // A folder where the file should be is reported and the start goes on.
    TempProgram temp;
    temp.writeBytes("fennick.ini/keep.txt", {});
    Startup startup(temp.program(), nullptr);
    startup.drives = {};
    startup.run();
    EXPECT_EQ(temp.program().ini.state(), FennickIni::FileState::Damaged);
    EXPECT_TRUE(temp.takeConsole().contains(
        "fennick.ini could not be read completely; what it lacks is default"));
    temp.program().ini.setEngine("quake3", "ioquake3");
    QString error;
    EXPECT_FALSE(temp.program().ini.save(&error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
} // namespace fennick::test
