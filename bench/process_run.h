#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <benchmark/benchmark.h>
#include <optional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <vector>
extern char** environ;
#endif

// Another program run as a whole process, as a benchmark compares Fennick
// with a tool or times a program's start: the wall time from start to exit
// and the processor time it used. Its output is dropped.
namespace fennick::bench {

struct ProcessRun {
    int exitCode = -1;
    double wallSeconds = 0;
    double cpuSeconds = -1; // unknown where the system does not say
};

#ifdef Q_OS_UNIX
inline double secondsOf(const timeval& time) {
    return double(time.tv_sec) + double(time.tv_usec) / 1e6;
}

inline double monotonicSeconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}
#endif

// Nothing when the program cannot be started.
inline std::optional<ProcessRun> runProcess(const QString& program, const QStringList& arguments) {
#ifdef Q_OS_UNIX
    const QByteArray path = QFile::encodeName(program);
    std::vector<QByteArray> words{path};
    for (const QString& argument : arguments)
        words.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const double start = monotonicSeconds();
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, path.constData(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed)
        return std::nullopt;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return std::nullopt;
    ProcessRun run;
    run.wallSeconds = monotonicSeconds() - start;
    run.cpuSeconds = secondsOf(usage.ru_utime) + secondsOf(usage.ru_stime);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
#else
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForStarted() || !process.waitForFinished(-1))
        return std::nullopt;
    ProcessRun run;
    run.wallSeconds = double(timer.nsecsElapsed()) / 1e9;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return run;
#endif
}

// A program of the build beside the benchmark's own executable (argv[0]),
// or empty when it was not built.
inline QString programBeside(const char* argv0, const QString& name) {
    const QFileInfo self(QString::fromLocal8Bit(argv0));
    const QString path = self.absoluteDir().filePath(name);
    return QFileInfo(path).isExecutable() ? path : QString();
}

// A program on PATH, or empty.
inline QString programOnPath(const QString& name) {
    return QStandardPaths::findExecutable(name);
}

// Runs a process as one iteration of a benchmark: the iteration's time is
// the process's wall time, and the counter "cpu_ms" its processor time.
template <typename State>
bool timeProcess(State& state, const QString& program, const QStringList& arguments) {
    double cpu = 0;
    for (auto _ : state) {
        const std::optional<ProcessRun> run = runProcess(program, arguments);
        if (!run || run->exitCode != 0) {
            state.SkipWithError("the program did not run to a good end");
            return false;
        }
        state.SetIterationTime(run->wallSeconds);
        cpu += run->cpuSeconds * 1000.0;
    }
    state.counters["cpu_ms"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
    return true;
}

} // namespace fennick::bench
