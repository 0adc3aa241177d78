#!/usr/bin/env python3
"""The S-parameter parse against scikit-rf's reader of the same file, back to back.

Run by hand from a Release build configured with -DQV_BUILD_BENCH=ON:

    bench/compare_skrf_parse.py build/bench [FILE]

FILE defaults to the largest shared maker file (2,500 frequencies). Needs scikit-rf
(Debian: python3-scikit-rf); nothing in the test suite depends on it. Prints the median
of each reader and the ratio.
"""
import json
import os
import pathlib
import statistics
import subprocess
import sys
import time
import warnings

ROUNDS = 5  # alternating rounds, so that both readers see the same machine load


def our_median_ms(binary, path):
    env = dict(os.environ, QV_PARSE_FILE=str(path), QT_QPA_PLATFORM="offscreen")
    out = subprocess.run([str(binary), "--benchmark_filter=BM_ParseLargestFile$", "--benchmark_repetitions=5",
                          "--benchmark_min_time=0.2", "--benchmark_format=json"],
                         env=env, check=True, capture_output=True, text=True).stdout
    runs = [b["real_time"] for b in json.loads(out)["benchmarks"] if b.get("run_type") == "iteration"]
    return statistics.median(runs)  # the benchmark's unit is milliseconds


def skrf_median_ms(path, repetitions=30):
    import skrf
    times = []
    for _ in range(repetitions):
        start = time.perf_counter()
        skrf.Network(str(path))
        times.append((time.perf_counter() - start) * 1e3)
    return statistics.median(times)


def main():
    warnings.filterwarnings("ignore")
    build = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "build/bench")
    here = pathlib.Path(__file__).resolve().parent
    default = here.parent.parent / "shared" / "testdata" / "s2p" / "adi_ADL8100_deembedded.s2p"
    path = pathlib.Path(sys.argv[2]) if len(sys.argv) > 2 else default
    binary = build / "bench" / "quorvane_bench_sparams_files"
    ours, theirs = [], []
    for _ in range(ROUNDS):
        ours.append(our_median_ms(binary, path))
        theirs.append(skrf_median_ms(path))
    a, b = statistics.median(ours), statistics.median(theirs)
    print(f"file:        {path}")
    print(f"Quorvane:    {a:.3f} ms (median of {ROUNDS} rounds)")
    print(f"scikit-rf:   {b:.3f} ms (skrf.Network, median of {ROUNDS} rounds)")
    print(f"ratio:       {b / a:.1f}x")


if __name__ == "__main__":
    main()
