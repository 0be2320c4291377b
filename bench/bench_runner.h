#pragma once

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

// The main() part the benchmark programs share. Unless the command line
// says otherwise, every benchmark runs nine times in random order (so that
// a busy machine weighs on all of them alike) and the medians are printed;
// afterwards the program gets those medians to print the comparisons it is
// about.
namespace fennick::bench {

// The median of each benchmark's repetitions: its real and processor time
// per iteration in seconds, and its counters.
class MedianTimes : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            const std::string name = run.run_name.str();
            const double unit = benchmark::GetTimeUnitMultiplier(run.time_unit);
            Sample sample{run.GetAdjustedRealTime() / unit, run.GetAdjustedCPUTime() / unit, {}};
            for (const auto& [key, counter] : run.counters)
                sample.counters[key] = counter.value;
            if (run.run_type == Run::RT_Aggregate) {
                if (run.aggregate_name == "median")
                    medians_[name] = sample;
            } else if (!medians_.count(name)) {
                medians_[name] = sample; // one repetition: its own figures
            }
        }
    }

    // Seconds per iteration of the benchmark whose name is `name` or starts
    // with `name` and "/"; negative when it did not run.
    double seconds(const std::string& name) const {
        const Sample* found = find(name);
        return found ? found->seconds : -1.0;
    }
    // The same for the processor time of the benchmark's own thread.
    double cpuSeconds(const std::string& name) const {
        const Sample* found = find(name);
        return found ? found->cpuSeconds : -1.0;
    }
    double counter(const std::string& name, const std::string& key) const {
        const Sample* found = find(name);
        if (!found)
            return -1.0;
        const auto it = found->counters.find(key);
        return it == found->counters.end() ? -1.0 : it->second;
    }

private:
    struct Sample {
        double seconds;
        double cpuSeconds;
        std::map<std::string, double> counters;
    };
    const Sample* find(const std::string& name) const {
        for (const auto& [key, sample] : medians_)
            if (key == name || key.rfind(name + "/", 0) == 0)
                return &sample;
        return nullptr;
    }
    std::map<std::string, Sample> medians_;
};

// "1.23" for a ratio, "-" when one side did not run.
inline std::string ratioText(double part, double whole) {
    if (part < 0 || whole <= 0)
        return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", part / whole);
    return text;
}

inline std::string millisecondsText(double seconds) {
    if (seconds < 0)
        return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%.2f ms", seconds * 1000.0);
    return text;
}

// Runs the registered benchmarks; `report` then prints the comparisons.
// Without --benchmark_repetitions each runs `repetitions` times (nine give a
// steady median; a benchmark whose one run takes seconds asks for fewer).
inline int runBenchmarks(int argc, char** argv,
                         const std::function<void(const MedianTimes&)>& report,
                         int repetitions = 9) {
    std::vector<char*> arguments(argv, argv + argc);
    const auto given = [&](const char* flag) {
        for (int i = 1; i < argc; ++i)
            if (std::strncmp(argv[i], flag, std::strlen(flag)) == 0)
                return true;
        return false;
    };
    std::string repetitionFlag = "--benchmark_repetitions=" + std::to_string(repetitions);
    static char interleaving[] = "--benchmark_enable_random_interleaving=true";
    static char aggregates[] = "--benchmark_report_aggregates_only=true";
    if (!given("--benchmark_repetitions")) {
        arguments.push_back(repetitionFlag.data());
        if (!given("--benchmark_enable_random_interleaving"))
            arguments.push_back(interleaving);
        if (!given("--benchmark_report_aggregates_only"))
            arguments.push_back(aggregates);
    }
    int count = int(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data()))
        return 2;
    MedianTimes times;
    benchmark::RunSpecifiedBenchmarks(&times);
    benchmark::Shutdown();
    std::fflush(stdout);
    if (report) {
        std::printf("\n");
        report(times);
    }
    return 0;
}

} // namespace fennick::bench
