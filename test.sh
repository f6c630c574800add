#!/usr/bin/env bash
# Builds Tallowick with its tests and runs the whole suite (no display needed); then builds it
# again with AddressSanitizer and UndefinedBehaviorSanitizer (clang) and runs the same suite
# there, with a short run of every fuzz target.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/build.sh"
(cd "${TALLOWICK_BUILD_DIR:-$root/build}" && ctest --output-on-failure --timeout 300 -j2)

sanitize_build=${TALLOWICK_SANITIZE_BUILD_DIR:-$root/build-sanitize}
TALLOWICK_BUILD_DIR=$sanitize_build "$root/scripts/build.sh" \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DTALLOWICK_SANITIZE=ON -DTALLOWICK_FUZZ=ON -DTALLOWICK_BUILD_BENCH=OFF
cd "$sanitize_build"
ctest --output-on-failure --timeout 600 -j2
