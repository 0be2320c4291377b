#include "support/qt_print.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

// Installs this build tree into a temporary prefix (with a space in its
// name), as a user or a packager would, and runs the installed programs as
// a new user with an empty home folder.
namespace fennick {
namespace {

struct Ran {
    int status = -1;
    QString out, err;
};

Ran runProgram(const QString& program, const QStringList& arguments,
               const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Ran ran;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        ran.err = QStringLiteral("did not finish: ") + program;
        return ran;
    }
    ran.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    ran.out = QString::fromUtf8(process.readAllStandardOutput());
    ran.err = QString::fromUtf8(process.readAllStandardError());
    return ran;
}

std::ostream& operator<<(std::ostream& os, const Ran& ran) {
    return os << "status " << ran.status << "\n" << ran.out.toStdString() << ran.err.toStdString();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes);
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Every file below a folder: relative name -> size and modification time.
QMap<QString, QString> snapshot(const QString& folder) {
    QMap<QString, QString> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        files.insert(
            QDir(folder).relativeFilePath(info.filePath()),
            QStringLiteral("%1 %2").arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch()));
    }
    return files;
}

// The shipped program folder content: data/ without its build file and
// its hidden placeholders.
QStringList shippedNames() {
    QStringList names;
    for (const QString& name : snapshot(QStringLiteral(FENNICK_DATA_DIR)).keys()) {
        if (name != QLatin1String("CMakeLists.txt") && !QFileInfo(name).fileName().startsWith('.'))
            names.append(name);
    }
    return names;
}

class InstallTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const Ran installed = runProgram(QStringLiteral(FENNICK_CMAKE_COMMAND),
                                         {"--install", FENNICK_BUILD_DIR, "--prefix", prefix});
        ASSERT_EQ(installed.status, 0) << installed;
    }

    // A new user's environment: their own home and runtime folder, no
    // other XDG folders set, so the defaults below the home apply.
    QProcessEnvironment newUser(const QString& home) const {
        QDir().mkpath(home);
        const QString runtime = dir.filePath(QStringLiteral("runtime"));
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME",
                                 "XDG_STATE_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_DIRS"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("HOME"), home);
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return environment;
    }

    QString installed(const QString& relative) const { return prefix + '/' + relative; }

    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("my prefix"));
    const QString home = dir.filePath(QStringLiteral("home"));
    const QString userFolder = home + QStringLiteral("/.local/share/fennick");
};

TEST_F(InstallTest, InstallsTheProgramsTheirFilesTheMenuEntryIconAndMetadata) {
    for (const char* program : {"bin/fennick", "bin/fennick-cli"})
        EXPECT_TRUE(QFileInfo(installed(program)).isExecutable()) << program;
    const QStringList shipped = shippedNames();
    EXPECT_EQ(snapshot(installed("share/fennick")).keys(), shipped);
    for (const QString& name : shipped)
        EXPECT_EQ(contents(installed("share/fennick/" + name)),
                  contents(QStringLiteral(FENNICK_DATA_DIR "/") + name));

    QXmlStreamReader svg(contents(installed("share/icons/hicolor/scalable/apps/fennick.svg")));
    ASSERT_TRUE(svg.readNextStartElement());
    EXPECT_EQ(svg.name(), QLatin1String("svg"));
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage png(
            installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/fennick.png").arg(size)));
        EXPECT_EQ(png.size(), QSize(size, size));
        EXPECT_GT(qAlpha(png.pixel(size / 2, size / 2)), 0) << size;
    }

    const QString entry = installed("share/applications/fennick.desktop");
    const QString entryText = QString::fromUtf8(contents(entry));
    EXPECT_TRUE(entryText.contains("\nExec=\"" + installed("bin/fennick") + "\"\n"))
        << entryText.toStdString();
    EXPECT_TRUE(entryText.contains("\nIcon=fennick\n"));
    EXPECT_TRUE(entryText.contains("\nCategories=Game;"));
    const QString metadata = installed("share/metainfo/org.fennick.fennick.metainfo.xml");
    ASSERT_TRUE(QFileInfo::exists(metadata));

    const QString desktopValidator = QStandardPaths::findExecutable("desktop-file-validate");
    const QString appstream = QStandardPaths::findExecutable("appstreamcli");
    if (desktopValidator.isEmpty() || appstream.isEmpty())
        GTEST_SKIP() << "desktop-file-validate (desktop-file-utils) or appstreamcli (appstream) "
                        "is not installed: run scripts/setup.sh to validate the menu entry and "
                        "the metadata";
    const Ran entryCheck = runProgram(desktopValidator, {entry});
    EXPECT_EQ(entryCheck.status, 0) << entryCheck;
    EXPECT_EQ(entryCheck.out + entryCheck.err, QString()) << entryCheck;
    const Ran metadataCheck = runProgram(appstream, {"validate", "--no-net", metadata});
    EXPECT_EQ(metadataCheck.status, 0) << metadataCheck;
    // The whole tree: the metadata's launchable names an installed entry.
    const Ran treeCheck = runProgram(appstream, {"validate-tree", "--no-net", prefix});
    EXPECT_EQ(treeCheck.status, 0) << treeCheck;
}

TEST_F(InstallTest, ANewUsersProgramFolderIsMadeFilledAndKeptAcrossStarts) {
    const QMap<QString, QString> before = snapshot(prefix);
    const QString cli = installed("bin/fennick-cli");
    const QStringList start = {"run", "-e", "set fenkit_player Tester"};

    // A home where no data folder can be made: a clear message, no start.
    const QString blockedHome = dir.filePath("blocked");
    QDir().mkpath(blockedHome);
    writeFile(blockedHome + "/.local", "a file where a folder belongs");
    const Ran blocked = runProgram(cli, start, newUser(blockedHome));
    EXPECT_EQ(blocked.status, 1) << blocked;
    EXPECT_TRUE(blocked.err.contains("Cannot create the program folder " + blockedHome)) << blocked;
    const Ran blockedDesktop = runProgram(installed("bin/fennick"), {}, newUser(blockedHome));
    EXPECT_EQ(blockedDesktop.status, 1) << blockedDesktop;
    EXPECT_TRUE(blockedDesktop.err.contains("Cannot create the program folder")) << blockedDesktop;

    // A chosen program folder is used as it is; the user's is not made.
    const QString chosen = dir.filePath("chosen");
    const Ran chosenRun = runProgram(
        cli, QStringList{"run", "--program-folder", chosen, "-e", "set x 1"}, newUser(home));
    EXPECT_EQ(chosenRun.status, 0) << chosenRun;
    EXPECT_FALSE(QFileInfo::exists(userFolder));

    const Ran first = runProgram(cli, start, newUser(home));
    ASSERT_EQ(first.status, 0) << first;
    EXPECT_TRUE(first.out.contains("Created program folder " + userFolder)) << first;
    for (const QString& name : shippedNames())
        EXPECT_EQ(contents(userFolder + '/' + name), contents(installed("share/fennick/" + name)))
            << name.toStdString();

    // The user's changes survive the next start; a removed file comes back.
    const QString cmds = userFolder + "/cmds.lst", settings = userFolder + "/config.cfg";
    const QByteArray edited = contents(cmds) + "\"quake3\",\"my_cvar\",1,2,0,0,\"\",\"Mine\"\r\n";
    writeFile(cmds, edited);
    writeFile(settings, "\"/games/q1\",0\r\n");
    ASSERT_TRUE(QFile::remove(userFolder + "/Forms/q3_quake3_bot.frm"));
    const Ran second = runProgram(cli, start, newUser(home));
    ASSERT_EQ(second.status, 0) << second;
    EXPECT_FALSE(second.out.contains("Created program folder")) << second;
    EXPECT_EQ(contents(cmds), edited);
    EXPECT_EQ(contents(settings), "\"/games/q1\",0\r\n");
    EXPECT_TRUE(QFileInfo::exists(userFolder + "/Forms/q3_quake3_bot.frm"));
    EXPECT_FALSE(QFileInfo::exists(userFolder + "/cmds.lst.new"));

    // The desktop program starts on the same folder and makes its working
    // folders there.
    QProcess desktop;
    desktop.setProcessEnvironment(newUser(home));
    desktop.start(installed("bin/fennick"), QStringList{});
    QByteArray log;
    // Waiting on the process wakes as soon as it ends, if it ends early.
    for (int i = 0; i < 600 && !log.contains("Created temp directory"); ++i) {
        if (desktop.waitForFinished(100))
            break;
        log = contents(userFolder + "/fenkit.log");
    }
    desktop.kill();
    desktop.waitForFinished();
    log = contents(userFolder + "/fenkit.log");
    EXPECT_TRUE(log.contains("Created temp directory"))
        << desktop.readAllStandardError().toStdString();
    EXPECT_TRUE(QFileInfo(userFolder + "/temp").isDir());

    EXPECT_EQ(snapshot(prefix), before);
}

} // namespace
} // namespace fennick
