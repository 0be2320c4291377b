#pragma once

#include "bench_runner.h"

#include <QString>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

// The main() of the benchmarks over generated archives: `make` writes them
// once into a folder, a temporary one or the DIR of --keep-archives=DIR,
// which is left in place so that other tools can be timed over the same
// files. `report` gets the folder and the medians after the run.
inline int runOverArchives(
    int argc, char** argv, const std::function<bool(const QString& folder)>& make,
    const std::function<void(const QString&, const fennick::bench::MedianTimes&)>& report = {}) {
    QString keep;
    std::vector<char*> arguments;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--keep-archives=", 16) == 0)
            keep = QString::fromLocal8Bit(argv[i] + 16);
        else
            arguments.push_back(argv[i]);
    }
    QTemporaryDir temporary;
    const QString folder = keep.isEmpty() ? temporary.path() : keep;
    if (!make(folder)) {
        std::fprintf(stderr, "could not write the archives\n");
        return 1;
    }
    return fennick::bench::runBenchmarks(int(arguments.size()), arguments.data(),
                                         [&](const fennick::bench::MedianTimes& times) {
                                             if (report)
                                                 report(folder, times);
                                         });
}
