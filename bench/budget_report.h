#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Which of a benchmark's two times a budget is judged on. CPU time for pure
// computation (steadier when the machine is busy with something else), wall
// time whenever the work waits on the disk.
enum class BudgetClock { Cpu, Real };

// A limit on one benchmark: either its own time in milliseconds, or, when a
// baseline is named, a multiple of the baseline's time. Names are as registered
// ("FloodFillWhite/2400x1800").
struct Budget {
    std::string label;
    std::string benchmark;
    std::string baseline; // empty: `limit` is milliseconds; otherwise a ratio
    double limit = 0;
    BudgetClock clock = BudgetClock::Cpu;
};

// The usual console table, and besides it each benchmark's time kept for the
// budget check: the median over the repetitions when there are aggregates,
// otherwise the median of the runs seen.
class BudgetReporter : public benchmark::ConsoleReporter {
public:
    using benchmark::ConsoleReporter::ConsoleReporter;

    void ReportRuns(const std::vector<Run> &runs) override;

    // Milliseconds per iteration; nothing when the benchmark did not run (filtered
    // out, or it reported an error).
    std::optional<double> Milliseconds(const std::string &benchmark, BudgetClock clock) const;

private:
    struct Times {
        std::vector<double> cpu;
        std::vector<double> real;
        std::optional<double> medianCpu;
        std::optional<double> medianReal;
    };
    std::map<std::string, Times> m_times;
};

// Runs the registered benchmarks, then prints one verdict line per budget and
// whatever `notes` adds. A single measurement is easily thrown by another
// process on a small machine, so unless the command line says otherwise every
// benchmark runs five times, the repetitions of all benchmarks interleaved in a
// random order, and the medians are judged. Returns the exit status:
// 0 when every budget that could be judged was met, 1 otherwise.
int RunBenchmarksWithBudgets(int argc, char **argv, const std::vector<Budget> &budgets,
                             const std::function<void(const BudgetReporter &)> &notes = {});

// "12.3" / "4.56": enough digits to compare, no more.
std::string FormatMilliseconds(double milliseconds);
