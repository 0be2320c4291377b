#include "cli/cli_command.h"
#include "support/fake_engines.h"
#include "support/qt_print.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gmock/gmock.h>

namespace fennick::test {
namespace {

using ::testing::ElementsAre;

// A machine with a fresh program folder, a home folder holding a
// data-only Quake III and a Windows-layout Quake, and a PATH with one
// engine on it.
class SetupCommandTest : public ::testing::Test {
protected:
    SetupCommandTest() : home_("HOME", path("home")), path_("PATH", path("bin")) {
        writeFakeEngine(path("bin/ioquake3"), path("run.txt"));
        QDir().mkpath(path("home/quake3/baseq3"));
        QDir().mkpath(path("home/quake/id1"));
        QFile(path("home/quake/glquake.exe")).open(QIODevice::WriteOnly);
        QDir().mkpath(path("prog"));
    }

    QString path(const QString& relative) const { return dir_.filePath(relative); }

    QString cli(QStringList arguments) {
        arguments.insert(1, QStringLiteral("--program-folder"));
        arguments.insert(2, path("prog"));
        QString input, out, err;
        QTextStream in(&input), output(&out), errors(&err);
        cli::CliStreams streams{in, output, errors, true};
        status = cli::dispatch(arguments, streams);
        output.flush();
        return out;
    }
    QJsonObject game(const QString& out, int index) {
        return QJsonDocument::fromJson(out.toUtf8())["games"].toArray().at(index).toObject();
    }

    int status = -1;

private:
    QTemporaryDir dir_;
    ScopedEnvironment home_;
    ScopedEnvironment path_;
};

TEST_F(SetupCommandTest, AFreshProgramFolderShowsWhatEachGameStartsAndWhereTheScriptGoes) {
    const QString out = cli({"setup"});
    EXPECT_EQ(status, 0);
    const QJsonObject report = QJsonDocument::fromJson(out.toUtf8()).object();
    EXPECT_EQ(report["settings"].toString(), "first-start search");
    EXPECT_EQ(report["fennickIni"]["state"].toString(), "missing");
    ASSERT_EQ(report["games"].toArray().size(), 3);

    const QJsonObject quake = game(out, 0);
    EXPECT_EQ(quake["layout"].toString(), "windows");
    EXPECT_EQ(quake["executable"].toString(), path("home/quake/glquake.exe"));
    EXPECT_EQ(quake["scriptPath"].toString(), path("home/quake/id1/fenkit.cfg"));
    EXPECT_FALSE(game(out, 1)["valid"].toBool());
    EXPECT_EQ(game(out, 1)["problem"].toString(), path("home/quake2") + " does not exist");
    const QJsonObject quake3 = game(out, 2);
    EXPECT_TRUE(quake3["valid"].toBool());
    EXPECT_EQ(quake3["layout"].toString(), "native");
    EXPECT_EQ(quake3["executable"].toString(), path("bin/ioquake3"));
    EXPECT_EQ(quake3["engineSource"].toString(), "PATH");
    EXPECT_EQ(quake3["workingDirectory"].toString(), path("home/quake3"));
    EXPECT_EQ(quake3["scriptFolder"].toString(), path("home/quake3/baseq3"));
    EXPECT_TRUE(quake3["scriptInGameFolder"].toBool());
    EXPECT_EQ(quake3["perUserFolder"].toString(), path("home/.q3a"));
    EXPECT_THAT(QDir(path("prog")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                ElementsAre()); // nothing written

    // A mod the game folder lacks goes to the engine's per-user folder;
    // an engine set in fennick.ini is the one started.
    writeFakeEngine(path("bin/openarena"), path("run.txt"));
    QFile ini(path("prog/fennick.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[engines]\nquake3=openarena\n");
    ini.close();
    const QString mod = cli({"setup", "--game", "quake3", "--mod", "CPMA"});
    EXPECT_EQ(game(mod, 0)["executable"].toString(), path("bin/openarena"));
    EXPECT_EQ(game(mod, 0)["engineSource"].toString(), "fennick.ini");
    EXPECT_EQ(game(mod, 0)["scriptPath"].toString(), path("home/.openarena/cpma/fenkit.cfg"));
    EXPECT_FALSE(game(mod, 0)["scriptInGameFolder"].toBool());

    for (const QStringList& wrong :
         {QStringList{"setup", "--game", "doom"}, QStringList{"setup", "--mod", "../x"},
          QStringList{"setup", "--json"}}) {
        cli(wrong);
        EXPECT_EQ(status, 2) << wrong.join(' ').toStdString();
    }
}

TEST_F(SetupCommandTest, RunLaunchStartsTheEngineFoundInTheGameFolder) {
    QFile::remove(path("bin/ioquake3"));
    writeFakeEngine(path("home/quake3/quake3e"), path("run.txt"));
    const QString out = cli({"run", "--game", "quake3", "--launch"});
    EXPECT_EQ(status, 0) << out.toStdString();
    const QStringList run = recordedRun(path("run.txt"));
    ASSERT_FALSE(run.isEmpty());
    EXPECT_EQ(QFileInfo(run.first()).canonicalFilePath(),
              QFileInfo(path("home/quake3")).canonicalFilePath());
    EXPECT_THAT(run.mid(1), ElementsAre("+exec", "fenkit.cfg"));
    EXPECT_TRUE(QFileInfo(path("home/quake3/baseq3/fenkit.cfg")).isFile());
    EXPECT_TRUE(out.contains("Started " + path("home/quake3/quake3e") + " +exec fenkit.cfg"))
        << out.toStdString();
}

} // namespace
} // namespace fennick::test
