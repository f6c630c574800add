#!/usr/bin/env bash
# Builds what is needed and runs Tallowick. Until the app's window exists this runs the
# command-line companion: with no arguments it shows a day count and a display date.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/build.sh" >&2
cli="${TALLOWICK_BUILD_DIR:-$root/build}/bin/tallowick-cli"
if [ $# -gt 0 ]; then
  exec "$cli" "$@"
fi
day=$(date -d '+10 days' +%Y-%m-%d)
echo "Days until $day: $("$cli" count "$day")"
echo "Shown as: $("$cli" format "$day")"
