#!/usr/bin/env bash
# Builds the Debian package build/package/quorvane_<version>_amd64.deb (Release, installed under
# /usr) and prints its path. Install it with: sudo apt install ./build/package/quorvane_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

build=build/package
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV_BUILD_TESTS=OFF -DQV_BUILD_BENCH=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr "${launcher[@]}" >/dev/null
cmake --build "$build"
rm -f "$build"/quorvane_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/quorvane_*.deb)
echo "package: $(realpath "$deb")"
