#!/usr/bin/env bash
# Runs the demo matching design of examples/demo_match.txt headless: a 10+j15 ohm load matched
# to 50 ohms at 554 MHz with a series inductor, a shunt capacitor and a series inductor. Prints
# the console's answers and the match figures, and saves the chart with the matching path.
# Usage: scripts/demo.sh [path-to-quorvane]
set -euo pipefail
cd "$(dirname "$0")/.."

program=${1:-}
if [ -z "$program" ]; then
  scripts/setup.sh
  build=build/release
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV_BUILD_TESTS=OFF >/dev/null
  cmake --build "$build" --target quorvane
  program="$build/app/quorvane"
fi

# Qt notes a missing runtime folder on standard error; give it a private one.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR="$(mktemp -d)"
fi

out=build/demo
mkdir -p "$out"
picture="$out/demo_chart.png"
"$program" --data-dir "$out" --batch examples/demo_match.txt --save-chart "$picture"
echo "demo: chart picture saved to $(realpath "$picture")"
