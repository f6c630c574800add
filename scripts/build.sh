#!/usr/bin/env bash
# Configures and builds Tallowick in build/ (or $TALLOWICK_BUILD_DIR), everything with its tests.
# With --app first: only what building the app needs is installed, and only the app is built,
# without tests or benchmarks (what ./run.sh needs). Further arguments go to cmake's configure.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TALLOWICK_BUILD_DIR:-$root/build}
if [ "${1:-}" = --app ]; then
  shift
  "$root/scripts/install-deps.sh" app
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTALLOWICK_BUILD_TESTS=OFF -DTALLOWICK_BUILD_BENCH=OFF "$@" >/dev/null
  cmake --build "$build" --target tallowick
else
  "$root/scripts/install-deps.sh"
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$build"
fi
