#include "core/rf/microstrip.h"

#include <benchmark/benchmark.h>

using namespace qv;

// Analysis of a strip whose width creeps across the u = 1 boundary, so both branches are timed.
static void BM_MicrostripZ0(benchmark::State& state) {
    const Real H = 1.6e-3L, T = 0.035e-3L, Er = 4.4L;
    Real W = 1.4e-3L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MicrostripZ0(W, H, T, Er));
        W = W < 1.6e-3L ? W + 1e-9L : 1.4e-3L;
    }
}
BENCHMARK(BM_MicrostripZ0);

// Synthesis over impedances on both sides of the A = 1.52 boundary (about 49.6 ohm on FR4).
static void BM_MicrostripWidth(benchmark::State& state) {
    const Real H = 1.6e-3L, T = 0.035e-3L, Er = 4.4L;
    Real Z0 = 30;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MicrostripWidth(Z0, H, Er, T));
        Z0 = Z0 < 70 ? Z0 + 1e-3L : 30;
    }
}
BENCHMARK(BM_MicrostripWidth);
