#include "browser/network_settings.h"
#include "support/qt_print.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace fennick {
namespace {

TEST(NetworkSettings, TheFileOverridesTheDefaultsOfTheQuake3Directory) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("fennick.ini"));
    const QString everyone = QStringLiteral("255.255.255.255"); // never sent to by a test
    const QStringList quake3 = {"master.quake3arena.com:27950", "master.ioquake3.org:27950"};
    const QStringList openArena = {"dpmaster.deathmask.net:27950"};
    struct Case {
        QByteArray ini;
        const char* dataFolder; // of the Quake III directory
        QStringList masters;
        QString broadcast;
        QByteArray request;
    };
    const Case cases[] = {
        {"", "baseq3", quake3, everyone, "\xff\xff\xff\xffgetservers 68 empty full"},
        {"", "baseoa", openArena, everyone, "\xff\xff\xff\xffgetservers 71 empty full"},
        {"[network]\nmaster=127.0.0.1:27950, 127.0.0.2:5\nbroadcast=127.255.255.255\n"
         "protocol=45\nkeywords=\n",
         "baseoa",
         {"127.0.0.1:27950", "127.0.0.2:5"},
         "127.255.255.255",
         "\xff\xff\xff\xffgetservers 45"},
        // Each key wins on its own.
        {"[network]\nmaster=127.0.0.1:1\nprotocol=seventy\nkeywords= full \n",
         "baseoa",
         {"127.0.0.1:1"},
         everyone,
         "\xff\xff\xff\xffgetservers 71 full"},
        {"[network]\nprotocol=68\n", "baseoa", openArena, everyone,
         "\xff\xff\xff\xffgetservers 68 empty full"},
        // A damaged file gives the defaults.
        {QByteArray("\x00\x01[[[\xff\n=\n", 10), "", quake3, everyone,
         "\xff\xff\xff\xffgetservers 68 empty full"},
    };
    for (const Case& c : cases) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.ini);
        file.close();
        const NetworkSettings settings = NetworkSettings::load(path, c.dataFolder);
        EXPECT_EQ(settings.masters, c.masters) << c.ini.constData() << c.dataFolder;
        EXPECT_EQ(settings.broadcast, c.broadcast);
        EXPECT_EQ(settings.masterRequest(), c.request);
    }
}

} // namespace
} // namespace fennick
