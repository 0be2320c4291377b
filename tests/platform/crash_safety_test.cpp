#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Two versions of a shipped program folder, so that seeding replaces its
// files by turns.
void writeShipped(const QString& folder, const QByteArray& version) {
    for (const char* name : {"cmds.lst", "enums.lst", "Forms/q3_buttons.fkf"})
        writeFile(QDir(folder).filePath(QLatin1String(name)),
                  QByteArray(name) + " " + version.repeated(2000 * version.size()));
}

// The relative paths of every file below a folder.
QStringList filesBelow(const QString& folder) {
    QStringList names;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        names.append(QDir(folder).relativeFilePath(it.next()));
    return names;
}

// A child saves every kind of file in a loop (settings, fennick.ini, the
// configuration files, both lists, the seeding of the program folder) and
// is killed with SIGKILL at a random moment, again and again over the same
// folder: each file is then always whole, one of the two versions the
// child writes by turns.
TEST(CrashSafety, AKilledSaveLeavesTheOldFileOrTheNewOneWhole) {
    // Files in memory, where the disk's flushes do not slow the rounds.
    const QString shm = QStringLiteral("/dev/shm");
    QTemporaryDir root(QFileInfo(shm).isWritable() ? shm + QStringLiteral("/fennick-XXXXXX")
                                                   : QString());
    ASSERT_TRUE(root.isValid());
    const QString shippedA = root.filePath(QStringLiteral("shippedA"));
    const QString shippedB = root.filePath(QStringLiteral("shippedB"));
    writeShipped(shippedA, "a");
    writeShipped(shippedB, "bb");
    const QString references = root.filePath(QStringLiteral("references"));
    const QString folder = root.filePath(QStringLiteral("program"));
    ASSERT_TRUE(QDir().mkpath(folder));
    QElapsedTimer elapsed;
    elapsed.start();
    {
        QProcess child;
        child.start(QStringLiteral(FENNICK_SAVE_LOOP),
                    {root.filePath(QStringLiteral("first")), shippedA, shippedB, references});
        ASSERT_TRUE(child.waitForFinished(30000));
        ASSERT_EQ(child.exitCode(), 0) << child.readAllStandardError().constData();
    }
    const QStringList names = filesBelow(references + QStringLiteral("/A"));
    ASSERT_GE(names.size(), 10);
    // How long one child takes to start and save a round or two; kills land
    // anywhere in that time.
    const int reach = std::max(int(elapsed.elapsed()), 50);

    std::mt19937 random(27);
    QSet<QString> present;
    int kills = 0;
    // About four seconds of rounds, and at least a dozen kills however slow
    // the machine (a sanitizer build on a loaded machine starts a child in
    // a second).
    for (; kills < 12 || (kills < 200 && elapsed.elapsed() < 4000); ++kills) {
        QProcess child;
        child.start(QStringLiteral(FENNICK_SAVE_LOOP), {folder, shippedA, shippedB});
        ASSERT_TRUE(child.waitForReadyRead(30000)) << child.readAllStandardError().constData();
        QThread::usleep(std::uniform_int_distribution<int>(0, reach * 1000)(random));
        child.kill();
        ASSERT_TRUE(child.waitForFinished(10000));
        for (const QString& name : names) {
            const QByteArray now = bytesOf(QDir(folder).filePath(name));
            const QByteArray a = bytesOf(references + QStringLiteral("/A/") + name);
            const QByteArray b = bytesOf(references + QStringLiteral("/B/") + name);
            // Before the first round ends a file may not exist yet; once
            // there, it never goes.
            const bool missing = now == "(missing)" && !present.contains(name);
            if (!missing)
                present.insert(name);
            ASSERT_TRUE(now == a || now == b || missing)
                << name.toStdString() << " after kill " << kills << ": " << now.size()
                << " bytes, versions of " << a.size() << " and " << b.size();
        }
    }
}

} // namespace
