#include "platform/text_file.h"
#include "support/qt_print.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace fennick::platform {
namespace {

using ::testing::ElementsAre;

class TextFileTest : public ::testing::Test {
protected:
    QString at(const QString& relative) const { return dir.filePath(relative); }
    void writeBytes(const QString& relative, const QByteArray& bytes) {
        QFile file(at(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    QByteArray readBytes(const QString& relative) const {
        QFile file(at(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
};

TEST_F(TextFileTest, LinesAreWrittenWithCrLf) {
    ASSERT_TRUE(writeTextLines(at(QStringLiteral("a.cfg")),
                               {QStringLiteral("set a 1"), QString(), QStringLiteral("b")}));
    EXPECT_EQ(readBytes(QStringLiteral("a.cfg")), QByteArray("set a 1\r\n\r\nb\r\n"));
    ASSERT_TRUE(writeTextLines(at(QStringLiteral("empty.cfg")), {}));
    EXPECT_EQ(readBytes(QStringLiteral("empty.cfg")), QByteArray());
    ASSERT_TRUE(writeTextLines(at(QStringLiteral("utf.cfg")), {QString::fromUtf8("caf\xc3\xa9")}));
    EXPECT_EQ(readBytes(QStringLiteral("utf.cfg")), QByteArray("caf\xc3\xa9\r\n"));
}

TEST_F(TextFileTest, RewritingAFileUnderAnotherCaseKeepsItsSpelling) {
    writeBytes(QStringLiteral("Q3_General.cfg"), "old\r\n");
    QDir().mkdir(at(QStringLiteral("Config")));
    ASSERT_TRUE(writeTextLines(at(QStringLiteral("q3_general.CFG")), {QStringLiteral("new")}));
    ASSERT_TRUE(writeTextLines(at(QStringLiteral("config/x.cfg")), {QStringLiteral("x")}));
    QStringList names = QDir(dir.path()).entryList(QDir::Files);
    EXPECT_THAT(names, ElementsAre("Q3_General.cfg"));
    EXPECT_EQ(readBytes(QStringLiteral("Q3_General.cfg")), QByteArray("new\r\n"));
    EXPECT_EQ(readBytes(QStringLiteral("Config/x.cfg")), QByteArray("x\r\n"));
}

TEST_F(TextFileTest, AppendingCreatesAndExtends) {
    ASSERT_TRUE(appendTextLines(at(QStringLiteral("fenkit.log")), {QStringLiteral("one")}));
    ASSERT_TRUE(appendTextLines(at(QStringLiteral("FENKIT.LOG")),
                                {QStringLiteral("two"), QStringLiteral("three")}));
    EXPECT_EQ(readBytes(QStringLiteral("fenkit.log")), QByteArray("one\r\ntwo\r\nthree\r\n"));
}

TEST_F(TextFileTest, LinesAreReadAtCrLfLfOrCr) {
    const struct {
        QByteArray bytes;
        QStringList lines;
    } cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},           // no final line end
        {"a\r\n\r\nb", {"a", "", "b"}}, // empty lines in between stay
        {"a\rb\r\n\nc", {"a", "b", "", "c"}},
        {"", {}},
        {"\r\n", {""}},
        {"x\r", {"x"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.toStdString());
        writeBytes(QStringLiteral("t.txt"), c.bytes);
        EXPECT_EQ(readTextLines(at(QStringLiteral("T.TXT"))), std::optional<QStringList>(c.lines));
    }
    EXPECT_EQ(readTextLines(at(QStringLiteral("missing.txt"))), std::nullopt);
    EXPECT_EQ(readText(dir.path()), std::nullopt); // a folder is no text file
}

TEST_F(TextFileTest, Utf8WhenValidElseLatin1) {
    const struct {
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"caf\xc3\xa9", QString::fromUtf8("caf\xc3\xa9")},       // valid UTF-8
        {"caf\xe9", QString::fromLatin1("caf\xe9")},             // Latin-1 é
        {"\xc3\xa9 \xe9", QString::fromLatin1("\xc3\xa9 \xe9")}, // one bad byte: all Latin-1
        {"abc\xc3", QString::fromLatin1("abc\xc3")},             // cut-off sequence
        {"\xc0\xaf", QString::fromLatin1("\xc0\xaf")},           // overlong form
        {QByteArray("a\0b", 3), QString::fromLatin1("a\0b", 3)}, // NUL is kept
        {"\xef\xbb\xbfset a 1", QStringLiteral("set a 1")},      // UTF-8 byte order mark
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.toHex().toStdString());
        EXPECT_EQ(decodeText(c.bytes), c.text);
    }
}

// Makes a folder refuse new entries for this process: permission bits for
// an ordinary user, the immutable flag for root (who ignores permissions).
class LockedFolder {
public:
    explicit LockedFolder(const QString& path) : path_(path) {
        if (geteuid() != 0) {
            locked_ = QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
            viaPermissions_ = locked_;
            return;
        }
        locked_ = setImmutable(true);
    }
    ~LockedFolder() {
        if (!locked_)
            return;
        if (viaPermissions_)
            QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        else
            setImmutable(false);
    }
    bool locked() const { return locked_; }

private:
    bool setImmutable(bool on) {
        const int fd = ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_DIRECTORY);
        if (fd < 0)
            return false;
        int flags = 0;
        bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (ok) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        return ok;
    }

    QString path_;
    bool locked_ = false;
    bool viaPermissions_ = false;
};

TEST_F(TextFileTest, ARewriteThatCannotBeRenamedIntoPlaceLeavesTheOldFileWhole) {
    QDir().mkdir(at(QStringLiteral("config")));
    const QString file = at(QStringLiteral("config/q3_general.cfg"));
    ASSERT_TRUE(writeTextLines(file, {QStringLiteral("set old 1"), QStringLiteral("set old 2")}));
    const QByteArray before = readBytes(QStringLiteral("config/q3_general.cfg"));
    {
        // The file itself stays writable: only a writer that replaces the
        // file through a new one in the folder is stopped here; one that
        // truncated and rewrote the file in place would succeed.
        LockedFolder lock(at(QStringLiteral("config")));
        if (!lock.locked())
            GTEST_SKIP() << "cannot make a folder read-only here";
        QString error;
        EXPECT_FALSE(writeTextLines(file, {QStringLiteral("set new 1")}, &error));
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_EQ(readBytes(QStringLiteral("config/q3_general.cfg")), before);
    EXPECT_THAT(QDir(at(QStringLiteral("config"))).entryList(QDir::Files | QDir::Hidden),
                ElementsAre("q3_general.cfg"));
}

TEST_F(TextFileTest, ARewriteCutShortLeavesTheOldFileWhole) {
    const QString file = at(QStringLiteral("servers.lst"));
    ASSERT_TRUE(writeTextLines(file, {QStringLiteral("old")}));
    // Files may not grow past 4 KB for a moment: the new content is cut
    // short while it is written.
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = writeTextLines(file, QStringList(1000, QString(100, QLatin1Char('x'))));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_FALSE(written);
    EXPECT_EQ(readBytes(QStringLiteral("servers.lst")), QByteArray("old\r\n"));
    EXPECT_THAT(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), ElementsAre("servers.lst"));
}

} // namespace
} // namespace fennick::platform
