#!/usr/bin/env bash
# Builds the app alone (no tests, no benchmarks, in build-app/) and starts Tallowick. Without a
# display it draws the app once into a PNG and says where it is. Arguments are passed to the app
# (a link to open, --now ...).
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
build=${TALLOWICK_APP_BUILD_DIR:-$root/build-app}
TALLOWICK_BUILD_DIR=$build "$root/scripts/build.sh" --app >&2
app="$build/bin/tallowick"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$app" "$@"
fi
echo "No display: drawing Tallowick into a picture instead." >&2
exec "$app" --screenshot "${TALLOWICK_SCREENSHOT:-$build/tallowick.png}" "$@"
