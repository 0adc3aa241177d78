#include "matching/analysis/amplifier_stage.h"

#include <benchmark/benchmark.h>
#include <cmath>

namespace {

using namespace qv;

// Six lumped elements of every lumped kind, as an automatic ladder match would give.
SweepNetwork SixElements(Real scale) {
    SweepNetwork n;
    n.Zo = 50;
    n.elements = {{SeriesInductor, {}, 0, 3e-9L * scale},   {ShuntCapacitor, {}, 0, 1.2e-12L * scale},
                  {SeriesCapacitor, {}, 0, 4e-12L * scale}, {ShuntInductor, {}, 0, 9e-9L * scale},
                  {SeriesInductor, {}, 0, 2e-9L * scale},   {ShuntCapacitor, {}, 0, 0.8e-12L * scale}};
    return n;
}

// 201 rows from 1 to 3 GHz of a smoothly turning device.
DeviceData Device() {
    DeviceData d;
    for (int i = 0; i < 201; ++i) {
        const Real t = i / 200.0L;
        const auto polar = [](Real m, Real degrees) {
            return Complex{m * std::cos(degrees * DegreesToRadians),
                           m * std::sin(degrees * DegreesToRadians)};
        };
        d.rows.push_back({1e9L + 2e9L * t,
                          {polar(0.8L - 0.1L * t, -60 - 60 * t), polar(0.6L + 0.1L * t, -30 - 30 * t),
                           polar(0.03L, 50 + 10 * t), polar(5 - 2.5L * t, 120 - 45 * t)}});
    }
    return d;
}

void BM_StageOver1001Frequencies(benchmark::State& state) {
    const StageNetworks networks{SixElements(1), SixElements(1.3L)};
    const DeviceData device = Device();
    const SweepRange range{1.1e9L, 2.9e9L, 1001};
    for (auto _ : state)
        benchmark::DoNotOptimize(AnalyseStage(networks, device, range));
}
BENCHMARK(BM_StageOver1001Frequencies)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
