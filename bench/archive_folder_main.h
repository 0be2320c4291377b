#pragma once

#include <QString>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

// The main() of the benchmarks over generated archives: `make` writes them
// once into a folder, a temporary one or the DIR of --keep-archives=DIR,
// which is left in place so that other tools can be timed over the same
// files.
inline int runOverArchives(int argc, char** argv,
                           const std::function<bool(const QString& folder)>& make) {
    QString keep;
    std::vector<char*> arguments;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--keep-archives=", 16) == 0)
            keep = QString::fromLocal8Bit(argv[i] + 16);
        else
            arguments.push_back(argv[i]);
    }
    QTemporaryDir temporary;
    if (!make(keep.isEmpty() ? temporary.path() : keep)) {
        std::fprintf(stderr, "could not write the archives\n");
        return 1;
    }
    int count = int(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
