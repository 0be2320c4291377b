// Replays saved inputs through the fuzz targets without libFuzzer, so the
// test command runs every corpus in the normal builds:
//   fuzz_replay TARGET FILE-OR-FOLDER...
// Folders are read recursively, in name order. A target that finds a
// broken promise aborts, which fails the test.
#include "replay_targets.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

using fennick::fuzz::ReplayTarget;

const ReplayTarget* targetNamed(const char* name) {
    for (const ReplayTarget& target : fennick::fuzz::kReplayTargets)
        if (std::strcmp(target.name, name) == 0)
            return &target;
    return nullptr;
}

// The files of a path: the path itself, or every file below a folder.
bool collect(const QString& path, QStringList& files) {
    const QFileInfo info(path);
    if (info.isFile()) {
        files.append(path);
        return true;
    }
    if (!info.isDir())
        return false;
    QStringList found;
    QDirIterator it(path, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        found.append(it.next());
    std::sort(found.begin(), found.end());
    files += found;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const ReplayTarget* target = argc >= 3 ? targetNamed(argv[1]) : nullptr;
    if (!target) {
        std::fprintf(stderr, "usage: fuzz_replay TARGET FILE-OR-FOLDER...\ntargets:");
        for (const ReplayTarget& t : fennick::fuzz::kReplayTargets)
            std::fprintf(stderr, " %s", t.name);
        std::fprintf(stderr, "\n");
        return 2;
    }
    QStringList files;
    for (int i = 2; i < argc; ++i) {
        if (!collect(QString::fromLocal8Bit(argv[i]), files)) {
            std::fprintf(stderr, "fuzz_replay: %s: no such file or folder\n", argv[i]);
            return 2;
        }
    }
    for (const QString& path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "fuzz_replay: cannot read %s\n", qPrintable(path));
            return 2;
        }
        const QByteArray bytes = file.readAll();
        std::fprintf(stderr, "%s\n", qPrintable(path));
        target->run(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                    std::size_t(bytes.size()));
    }
    std::printf("%s: %lld inputs replayed\n", target->name, static_cast<long long>(files.size()));
    return 0;
}
