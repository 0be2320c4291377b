#include "browser/network_settings.h"
#include "support/qt_print.h"

#include <QFile>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fennick {
namespace {

using ::testing::ElementsAre;

TEST(NetworkSettings, TheFileOverridesTheDefaults) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("fennick.ini"));
    const NetworkSettings defaults = NetworkSettings::load(path);
    const QString everyone = defaults.broadcast; // the default, never sent to by a test
    EXPECT_THAT(defaults.masters, ElementsAre("master.quake3arena.com:27950"));
    EXPECT_EQ(defaults.broadcast, QStringLiteral("255.255.255.255"));
    EXPECT_EQ(defaults.masterRequest(), QByteArray("\xff\xff\xff\xffgetservers 68 empty full"));

    struct Case {
        QByteArray ini;
        QStringList masters;
        QString broadcast;
        QByteArray request;
    };
    const Case cases[] = {
        {"[network]\nmaster=127.0.0.1:27950, 127.0.0.2:5\nbroadcast=127.255.255.255\n"
         "protocol=45\nkeywords=\n",
         {"127.0.0.1:27950", "127.0.0.2:5"},
         "127.255.255.255",
         "\xff\xff\xff\xffgetservers 45"},
        {"[network]\nmaster=127.0.0.1:1\nprotocol=seventy\nkeywords= full \n",
         {"127.0.0.1:1"},
         everyone,
         "\xff\xff\xff\xffgetservers 68 full"},
        // A damaged file gives the defaults.
        {QByteArray("\x00\x01[[[\xff\n=\n", 10),
         {"master.quake3arena.com:27950"},
         everyone,
         "\xff\xff\xff\xffgetservers 68 empty full"},
    };
    for (const Case& c : cases) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.ini);
        file.close();
        const NetworkSettings settings = NetworkSettings::load(path);
        EXPECT_EQ(settings.masters, c.masters) << c.ini.constData();
        EXPECT_EQ(settings.broadcast, c.broadcast);
        EXPECT_EQ(settings.masterRequest(), c.request);
    }
    EXPECT_EQ(QByteArray("\xff\xff\xff\xffgetservers 45").size(), 17);
}

} // namespace
} // namespace fennick
