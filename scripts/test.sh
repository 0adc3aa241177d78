#!/usr/bin/env bash
# Builds Quorvane with the address and undefined-behaviour sanitizers and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

if command -v clang-format >/dev/null; then
  scripts/format.sh --check
fi

build=build/sanitize
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQV_SANITIZE=ON -DQV_BUILD_BENCH=OFF >/dev/null
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
ctest --test-dir "$build" --output-on-failure -j2
