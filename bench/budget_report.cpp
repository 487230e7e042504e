#include "bench/budget_report.h"

#ifdef _WIN32
#include <io.h>
#define VELMORA_STDOUT_IS_TERMINAL() (_isatty(_fileno(stdout)) != 0)
#else
#include <unistd.h>
#define VELMORA_STDOUT_IS_TERMINAL() (isatty(STDOUT_FILENO) != 0)
#endif

#include <algorithm>
#include <cstdio>
#include <iostream>

namespace {

double ToMilliseconds(double value, benchmark::TimeUnit unit)
{
    switch (unit) {
    case benchmark::kNanosecond: return value / 1e6;
    case benchmark::kMicrosecond: return value / 1e3;
    case benchmark::kMillisecond: return value;
    case benchmark::kSecond: return value * 1e3;
    }
    return value;
}

std::optional<double> Median(std::vector<double> values)
{
    if (values.empty())
        return std::nullopt;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string KeyOf(const benchmark::BenchmarkReporter::Run &run)
{
    // Leaves out "repeats:", "real_time" and the like, which depend on how the run was started.
    const benchmark::BenchmarkName &name = run.run_name;
    return name.args.empty() ? name.function_name : name.function_name + "/" + name.args;
}

std::string FormatRatio(double ratio)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", ratio);
    return text;
}

std::string FormatLimit(double limit)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", limit);
    return text;
}

const char *ClockName(BudgetClock clock)
{
    return clock == BudgetClock::Cpu ? "CPU time" : "wall time";
}

} // namespace

std::string FormatMilliseconds(double milliseconds)
{
    char text[32];
    // Three significant digits below 0.1 ms, so that microsecond budgets read.
    std::snprintf(text, sizeof text, milliseconds >= 10 ? "%.1f" : milliseconds >= 0.1 ? "%.2f" : "%.3g",
                  milliseconds);
    return text;
}

void BudgetReporter::ReportRuns(const std::vector<Run> &runs)
{
    for (const Run &run : runs) {
        if (run.error_occurred || run.report_big_o || run.report_rms)
            continue;
        Times &times = m_times[KeyOf(run)];
        const double cpu = ToMilliseconds(run.GetAdjustedCPUTime(), run.time_unit);
        const double real = ToMilliseconds(run.GetAdjustedRealTime(), run.time_unit);
        if (run.run_type == Run::RT_Iteration) {
            times.cpu.push_back(cpu);
            times.real.push_back(real);
        } else if (run.aggregate_name == "median" && run.aggregate_unit == benchmark::kTime) {
            times.medianCpu = cpu;
            times.medianReal = real;
        }
    }
    ConsoleReporter::ReportRuns(runs);
}

std::optional<double> BudgetReporter::Milliseconds(const std::string &benchmark, BudgetClock clock) const
{
    const auto found = m_times.find(benchmark);
    if (found == m_times.end())
        return std::nullopt;
    const Times &times = found->second;
    if (clock == BudgetClock::Cpu)
        return times.medianCpu ? times.medianCpu : Median(times.cpu);
    return times.medianReal ? times.medianReal : Median(times.real);
}

int RunBenchmarksWithBudgets(int argc, char **argv, const std::vector<Budget> &budgets,
                             const std::function<void(const BudgetReporter &)> &notes)
{
    // Defaults first, so that the same options given on the command line win.
    std::vector<char *> arguments{argv[0]};
    std::string repetitions = "--benchmark_repetitions=5";
    std::string aggregatesOnly = "--benchmark_display_aggregates_only=true";
    // Repetitions of different benchmarks take turns, so that a build starting
    // half-way through slows a benchmark and its baseline alike.
    std::string interleaving = "--benchmark_enable_random_interleaving=true";
    arguments.push_back(repetitions.data());
    arguments.push_back(aggregatesOnly.data());
    arguments.push_back(interleaving.data());
    arguments.insert(arguments.end(), argv + 1, argv + argc);
    int count = int(arguments.size());
    arguments.push_back(nullptr);

    benchmark::Initialize(&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data()))
        return 2;

    const bool colour = VELMORA_STDOUT_IS_TERMINAL();
    BudgetReporter reporter(colour ? benchmark::ConsoleReporter::OO_Color : benchmark::ConsoleReporter::OO_None);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::cout << "\nBudgets (medians):\n";
    bool allMet = true;
    for (const Budget &budget : budgets) {
        const std::optional<double> measured = reporter.Milliseconds(budget.benchmark, budget.clock);
        std::optional<double> base;
        if (!budget.baseline.empty())
            base = reporter.Milliseconds(budget.baseline, budget.clock);
        if (!measured || (!budget.baseline.empty() && (!base || *base <= 0))) {
            std::cout << "  " << budget.label << ": not measured in this run\n";
            continue;
        }
        const double value = budget.baseline.empty() ? *measured : *measured / *base;
        const bool met = value <= budget.limit;
        allMet = allMet && met;
        std::cout << "  " << budget.label << ": ";
        if (budget.baseline.empty()) {
            std::cout << FormatMilliseconds(value) << " ms (budget " << FormatLimit(budget.limit) << " ms) ";
        } else {
            std::cout << FormatRatio(value) << " x (budget " << FormatLimit(budget.limit) << " x) ";
        }
        std::cout << (met ? "OK" : "MISSED") << "  [" << ClockName(budget.clock);
        if (!budget.baseline.empty())
            std::cout << "; " << FormatMilliseconds(*measured) << " ms / " << FormatMilliseconds(*base) << " ms";
        std::cout << "]\n";
    }
    if (notes)
        notes(reporter);
    return allMet ? 0 : 1;
}
