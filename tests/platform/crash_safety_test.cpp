#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
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
// is killed with SIGKILL at a random moment, again and again: each file is
// then always whole, one of the two versions the child writes by turns.
TEST(CrashSafety, AKilledSaveLeavesTheOldFileOrTheNewOneWhole) {
    // Files in memory, where the disk's flushes do not slow the rounds.
    const QString shm = QStringLiteral("/dev/shm");
    QTemporaryDir root(QFileInfo(shm).isWritable() ? shm + QStringLiteral("/fennick-XXXXXX")
                                                   : QString());
    ASSERT_TRUE(root.isValid());
    writeShipped(root.filePath(QStringLiteral("shippedA")), "a");
    writeShipped(root.filePath(QStringLiteral("shippedB")), "bb");
    std::mt19937 random(27);
    QElapsedTimer elapsed;
    elapsed.start();
    int kills = 0;
    for (; kills < 10 && elapsed.elapsed() < 20000; ++kills) {
        const QString round = root.filePath(QString::number(kills));
        const QString folder = round + QStringLiteral("/program");
        const QString references = round + QStringLiteral("/references");
        ASSERT_TRUE(QDir().mkpath(folder));
        QProcess child;
        child.start(QStringLiteral(FENNICK_SAVE_LOOP),
                    {folder, root.filePath(QStringLiteral("shippedA")),
                     root.filePath(QStringLiteral("shippedB")), references});
        ASSERT_TRUE(child.waitForReadyRead(30000)) << child.readAllStandardError().constData();
        ASSERT_EQ(child.readAllStandardOutput().trimmed(), QByteArray("ready"));
        QThread::usleep(std::uniform_int_distribution<int>(0, 120000)(random));
        child.kill();
        ASSERT_TRUE(child.waitForFinished(10000));

        const QStringList names = filesBelow(references + QStringLiteral("/A"));
        EXPECT_GE(names.size(), 10);
        for (const QString& name : names) {
            const QByteArray now = bytesOf(QDir(folder).filePath(name));
            const QByteArray a = bytesOf(references + QStringLiteral("/A/") + name);
            const QByteArray b = bytesOf(references + QStringLiteral("/B/") + name);
            EXPECT_TRUE(now == a || now == b)
                << name.toStdString() << " after kill " << kills << ": " << now.size()
                << " bytes, versions of " << a.size() << " and " << b.size();
        }
    }
    EXPECT_GE(kills, 5);
}

} // namespace
