#include "core/numbers/engineering.h"
#include "core/numbers/text_format.h"
#include "core/rf/conversions.h"

#include <benchmark/benchmark.h>
#include <string>

using namespace qv;

static void BM_ParseEngineering(benchmark::State& state) {
    const std::string texts[] = {"10p", "554M", "4.7k", "50", "2.2uH"};
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseEngineering(texts[i++ % 5]));
}
BENCHMARK(BM_ParseEngineering);

static void BM_FormatCapacitance(benchmark::State& state) {
    Real c = 15.9155e-12L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatCapacitance(c));
        c *= 1.0000001L;
    }
}
BENCHMARK(BM_FormatCapacitance);

static void BM_FormatFrequency(benchmark::State& state) {
    Real f = 554e6L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatFrequency(f));
        f *= 1.0000001L;
    }
}
BENCHMARK(BM_FormatFrequency);

static void BM_GammaConversions(benchmark::State& state) {
    Real u = 0.21L;
    const Real v = -0.37L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(GammaToResistance(u, v));
        benchmark::DoNotOptimize(GammaToReactance(u, v));
        benchmark::DoNotOptimize(GammaToConductance(u, v));
        benchmark::DoNotOptimize(GammaToSusceptance(u, v));
        benchmark::DoNotOptimize(GammaToPolar(v, u));
        u += 1e-12L;
    }
}
BENCHMARK(BM_GammaConversions);

// One cursor position turned into the impedance readout line: the unit of work of a mouse move.
static void BM_GammaToReadoutLine(benchmark::State& state) {
    Real u = 0.21L;
    const Real v = -0.37L;
    const Real zo = 50;
    for (auto _ : state) {
        const Real r = GammaToResistance(u, v);
        const Real x = GammaToReactance(u, v);
        std::string line =
            x >= 0 ? Format("Z=%3.2f+j%3.2f", {r * zo, x * zo}) : Format("Z=%3.2f-j%3.2f", {r * zo, -x * zo});
        benchmark::DoNotOptimize(line);
        u += 1e-12L;
    }
}
BENCHMARK(BM_GammaToReadoutLine);
