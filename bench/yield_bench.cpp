#include "matching/analysis/yield.h"

#include <benchmark/benchmark.h>

namespace {

using namespace qv;

// A 6-element band-pass ladder from 12.5 ohm to 50 ohm about 500 MHz, with real parts: Q 40 and 150,
// 2 % and 5 %.
YieldRequest SixElementYield(int builds) {
    SweepNetwork n;
    n.load = {0.25L, 0.1L};
    n.source = {1, 0};
    n.parts = {40, 150, 2, 5};
    n.elements = {{SeriesInductor, {}, 0, 6e-9L},    {ShuntCapacitor, {}, 0, 12e-12L},
                  {SeriesCapacitor, {}, 0, 20e-12L}, {ShuntInductor, {}, 0, 15e-9L},
                  {SeriesInductor, {}, 0, 4e-9L},    {ShuntCapacitor, {}, 0, 3e-12L}};
    return {n, 450e6L, 550e6L, 10, builds, 1};
}

// Argument: the threads (0: every core).
void BM_Yield10000BuildsOf6Elements(benchmark::State& state) {
    const YieldRequest request = SixElementYield(10000);
    for (auto _ : state) {
        YieldResult result = RunYield(request, nullptr, nullptr, static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(result.passes);
    }
}
BENCHMARK(BM_Yield10000BuildsOf6Elements)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(7)
    ->ReportAggregatesOnly();

} // namespace

BENCHMARK_MAIN();
