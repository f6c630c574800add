#!/usr/bin/env bash
# Builds Tallowick with its tests and runs the whole suite (no display needed).
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/build.sh"
cd "${TALLOWICK_BUILD_DIR:-$root/build}"
ctest --output-on-failure --timeout 300 -j2
