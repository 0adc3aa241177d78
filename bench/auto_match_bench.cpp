#include "matching/analysis/auto_match.h"

#include <benchmark/benchmark.h>

namespace {

using namespace qv;

AutoMatchRequest Request(bool stub) {
    AutoMatchRequest r;
    r.load = {12.5L, -31};
    r.source = {50, 10};
    r.Fo = 554e6L;
    r.Zo = 50;
    r.stub = stub;
    r.substrate = {554e6L, 1.5e-3L, 0.8e-3L, 0.035e-3L, 4.4L, 0};
    return r;
}

// Every L, Pi and T solution with its E24 values and their return loss.
void BM_AutoMatchLumped(benchmark::State& state) {
    const AutoMatchRequest r = Request(false);
    for (auto _ : state)
        benchmark::DoNotOptimize(SynthesiseMatches(r));
}
BENCHMARK(BM_AutoMatchLumped);

// The same with the single-stub matches on a substrate.
void BM_AutoMatchWithStub(benchmark::State& state) {
    const AutoMatchRequest r = Request(true);
    for (auto _ : state)
        benchmark::DoNotOptimize(SynthesiseMatches(r));
}
BENCHMARK(BM_AutoMatchWithStub);

} // namespace
