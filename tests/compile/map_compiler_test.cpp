#include "compile/compile_batch.h"
#include "compile/fake_tools.h"
#include "compile/map_compiler.h"

#include "core/console_log.h"
#include "platform/process_launcher.h"
#include "platform/system_lookup.h"
#include "support/qt_print.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <ctime>
#include <gmock/gmock.h>
#include <iostream>

namespace fennick::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// The terminal the desktop would offer; by default one that cannot run,
// so a compile that should not use it fails when it does.
class TerminalLookup : public platform::SystemLookup {
public:
    QString terminal = "/nonexistent/x-terminal-emulator";
    QString findOnPath(const QString& name) const override {
        return name == QLatin1String("x-terminal-emulator") ? terminal : QString();
    }
};

class MapCompilerTest : public ::testing::Test {
protected:
    MapCompilerTest() { QDir().mkpath(path("Fennick")); }

    QString path(const QString& relative) const { return dir.filePath(relative); }
    CompilePaths paths(const QString& folder = "Quake III Arena/maps") const {
        return compilePaths(path(folder), "m.map", tools.q3map());
    }
    bool waitEnds() {
        return QTest::qWaitFor([&] { return !compiler.isWaiting(); }, 10000);
    }
    bool markerExists() const { return QFile::exists(compiler.markerPath()); }
    // How each wait ended, in order.
    QList<CompileEnd> ends() {
        if (!watching_) {
            watching_ = true;
            QObject::connect(&compiler, &MapCompiler::finished, &compiler,
                             [this](CompileEnd end) { ends_.append(end); });
        }
        return ends_;
    }

    QTemporaryDir dir;
    FakeTools tools{path("Tools")};
    platform::ProcessLauncher processes;
    TerminalLookup system;
    ConsoleLog console;
    MapCompiler compiler{path("Fennick"), processes, system, console};

private:
    bool watching_ = false;
    QList<CompileEnd> ends_;
};

// The tools get the paths exactly, whatever the shell would make of them,
// and never the carriage returns of the batch's line ends.
TEST_F(MapCompilerTest, RunsTheBatchAndEndsTheWaitAtTheMarker) {
    const CompilePaths odd = paths("odd $HOME `id` \"q\" 'z'; & %P% * ~");
    ends();
    ASSERT_EQ(compiler.start(odd, {4, true}), std::nullopt);
    EXPECT_TRUE(compiler.isWaiting());
    ASSERT_TRUE(waitEnds());
    EXPECT_EQ(ends(), QList<CompileEnd>{CompileEnd::Completed});
    const QString bsp = " [" + odd.bspFile + ']';
    EXPECT_THAT(tools.calls(),
                ElementsAre("q3map [" + odd.mapFile + ']', "q3map [-vis]" + bsp,
                            "q3map [-light] [-extra]" + bsp, "bspc [-bsp2aas]" + bsp));

    // The batch holds its lines with CR LF ends.
    QFile batch(compiler.batchPath());
    ASSERT_TRUE(batch.open(QIODevice::ReadOnly));
    const CompileBatch lines = compileBatchLines(odd, {4, true}, compiler.markerPath());
    EXPECT_EQ(batch.readAll(), (lines.lines.join("\r\n") + "\r\n").toUtf8());
}

// The old marker goes before the batch starts, so only the new batch ends
// the wait; "Cancel" ends the wait and the batch still runs to its end.
TEST_F(MapCompilerTest, OnlyTheNewBatchEndsTheWaitAndCancelLeavesItRunning) {
    QFile(compiler.markerPath()).open(QIODevice::WriteOnly);
    tools.hold();
    ASSERT_EQ(compiler.start(paths(), {1, false}), std::nullopt);
    EXPECT_FALSE(markerExists());
    QTest::qWait(3 * MapCompiler::kPollMilliseconds);
    EXPECT_TRUE(compiler.isWaiting());

    ends();
    compiler.cancel();
    EXPECT_EQ(ends(), QList<CompileEnd>{CompileEnd::Cancelled});
    EXPECT_FALSE(compiler.isWaiting());
    tools.release();
    EXPECT_TRUE(QTest::qWaitFor([&] { return markerExists(); }, 10000));
    EXPECT_EQ(ends().size(), 1);
}

// A batch that ends without writing a new .bsp failed, whether there was
// none before or an old one is left; the console shows the tools' output,
// which the log beside the batch holds.
TEST_F(MapCompilerTest, ABatchWithoutANewBspFailsAndShowsTheToolsOutput) {
    tools.fail(true);
    for (const bool oldBsp : {false, true}) {
        SCOPED_TRACE(oldBsp);
        if (oldBsp)
            FakeTools::writeScript(paths().bspFile, "old");
        const qsizetype printed = console.lines().size();
        ASSERT_EQ(compiler.start(paths(), {2, false}), std::nullopt);
        EXPECT_EQ(compiler.waitForEnd(), CompileEnd::Failed);
        EXPECT_EQ(compiler.failure(), "no new m.bsp was written");
        const QString error = "q3map: ERROR: cannot read " + paths().bspFile;
        EXPECT_EQ(compiler.logTail().value(2), error);
        const QStringList lines = console.lines().mid(printed);
        ASSERT_EQ(lines.size(), 4);
        EXPECT_EQ(lines.first(), "The compile failed: no new m.bsp was written. The tools' output "
                                 "is in " +
                                     compiler.logPath() + "; it ends:");
        EXPECT_EQ(lines.last(), "  " + error);
    }
}

TEST_F(MapCompilerTest, WaitingCostsNoProcessorTime) {
    constexpr int kWaitMs = 3000;
    tools.hold();
    ASSERT_EQ(compiler.start(paths(), {2, false}), std::nullopt);
    bool released = false;
    QTimer::singleShot(kWaitMs, Qt::PreciseTimer, [&] {
        released = true;
        tools.release();
    });
    QTimer::singleShot(kWaitMs + 10000, &compiler, &MapCompiler::cancel);
    QElapsedTimer wall;
    wall.start();
    const std::clock_t before = std::clock();
    EXPECT_EQ(compiler.waitForEnd(), CompileEnd::Completed);
    const double cpuSeconds = double(std::clock() - before) / CLOCKS_PER_SEC;
    std::cout << "[ cpu      ] " << cpuSeconds * 1000 << " ms of processor time in "
              << wall.elapsed() << " ms of waiting\n";
    EXPECT_TRUE(released);
    // A wait that polls in a loop burns the whole wait; a timer-driven one
    // costs a few milliseconds. The bound leaves room for a loaded machine
    // and the sanitizers' overhead.
    EXPECT_LT(cpuSeconds, 0.2 * kWaitMs / 1000);
}

TEST_F(MapCompilerTest, AFailedStartSaysWhyAndDoesNotWait) {
    struct Case {
        const char* name;
        std::function<CompilePaths()> prepare;
        const char* error;
        bool batchWritten;
    };
    const Case cases[] = {
        {"line break in a path", [&] { return paths("maps\rrm -rf x"); }, "cannot carry", false},
        {"marker that cannot be deleted",
         [&] {
             QDir().mkpath(compiler.markerPath() + "/inside");
             return paths();
         },
         "cannot be deleted", false},
        {"terminal that cannot start",
         [&] {
             QDir(compiler.markerPath()).removeRecursively();
             compiler.setShowWindow(true);
             system.terminal = tools.q3map() + ".txt";
             QFile(system.terminal).open(QIODevice::WriteOnly);
             return paths();
         },
         "not an executable file", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(compiler.batchPath());
        const CompilePaths prepared = c.prepare();
        const std::optional<QString> error = compiler.start(prepared, {2, true});
        EXPECT_THAT(error.value_or(QString()).toStdString(), HasSubstr(c.error));
        EXPECT_FALSE(compiler.isWaiting());
        EXPECT_EQ(QFile::exists(compiler.batchPath()), c.batchWritten);
    }
}

// The desktop shows the batch in the terminal window it offers.
TEST_F(MapCompilerTest, ATerminalWindowRunsTheBatchWhenAsked) {
    system.terminal = path("terminal");
    FakeTools::writeScript(system.terminal, "printf '%s\\n' \"$@\" > '" +
                                                path("terminal.txt").toUtf8() +
                                                "'\nshift\nexec \"$@\"\n");
    compiler.setShowWindow(true);
    ASSERT_EQ(compiler.start(paths(), {1, false}), std::nullopt);
    ASSERT_TRUE(waitEnds());
    EXPECT_EQ(tools.calls().size(), 1);
    QFile args(path("terminal.txt"));
    ASSERT_TRUE(args.open(QIODevice::ReadOnly));
    EXPECT_TRUE(args.readAll().startsWith("-e\n/bin/sh\n-c\n"));
}

} // namespace
} // namespace fennick::test
