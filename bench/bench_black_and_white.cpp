// What checking a picture for pure black and white costs: the whole scan of a
// 2400 x 1800 outline picture (every pixel passes, so nothing stops it early).

#include <benchmark/benchmark.h>

#include "bench/budget_report.h"
#include "bench/generated_pictures.h"
#include "library/black_and_white.h"

namespace {

void BlackAndWhiteScan(benchmark::State &state)
{
    const QImage picture = MakeLineArt(QSize(2400, 1800)).convertToFormat(QImage::Format_RGB32);
    if (!IsBlackAndWhite(picture)) {
        state.SkipWithError("the generated line art is not pure black and white");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(IsBlackAndWhite(picture));
}
BENCHMARK(BlackAndWhiteScan)->Name("IsBlackAndWhite/2400x1800")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksWithBudgets(argc, argv,
                                    {{"IsBlackAndWhite 2400 x 1800 (at most 5 ms)", "IsBlackAndWhite/2400x1800", "", 5,
                                      BudgetClock::Cpu}});
}
