#include "matching/analysis/frequency_response.h"

#include <benchmark/benchmark.h>

namespace {

using namespace qv;

// 20 elements of all eight kinds in turn (four of them microstrip), from a load of 0.6 + j0.4.
SweepNetwork MixedTwentyElements() {
    SweepNetwork n;
    n.Zo = 50;
    n.load = {0.6L, 0.4L};
    n.source = {1, 0};
    const MicrostripBlock strip{554e6L, 1.5e-3L, 0.8e-3L, 0.035e-3L, 4.4L, 3e-3L};
    static constexpr Real Values[] = {60e-12L, 1.5e-12L, 8e-9L, 150e-9L, 0, 0, -4, 800};
    for (int i = 0; i < 20; ++i) {
        const int kind = i % 8 + 1;
        n.elements.push_back({kind, strip, kind == SeriesImpedance ? 1.0L : 2000.0L, Values[kind - 1]});
    }
    return n;
}

void BM_Sweep1001PointsOf20Elements(benchmark::State& state) {
    const SweepNetwork network = MixedTwentyElements();
    const SweepRange range{400e6L, 700e6L, 1001};
    for (auto _ : state) {
        std::vector<ResponsePoint> sweep = SweepResponse(network, nullptr, range);
        benchmark::DoNotOptimize(sweep.data());
    }
}
BENCHMARK(BM_Sweep1001PointsOf20Elements)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace

BENCHMARK_MAIN();
