#!/usr/bin/env bash
# Builds Quorvane (Release) and opens it. Without a display it opens under a virtual X server.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target quorvane
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$build/app/quorvane" "$@"
fi
echo "run: no display found; opening Quorvane under Xvfb"
exec xvfb-run -a -s "-screen 0 1600x1000x24" "$build/app/quorvane" "$@"
