#!/usr/bin/env bash
# Builds Quorvane (Release) and opens it. Without a display it runs the demo design headless
# instead (scripts/demo.sh) and says where it saved the chart picture.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target quorvane
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$build/app/quorvane" "$@"
fi
echo "run: no display found; running the demo design headless"
exec scripts/demo.sh "$build/app/quorvane"
