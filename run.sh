#!/usr/bin/env bash
# Builds what is needed and starts Tallowick. Without a display it draws the app once into a
# PNG and says where it is. Arguments are passed to the app (a link to open, --now ...).
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/build.sh" >&2
app="${TALLOWICK_BUILD_DIR:-$root/build}/bin/tallowick"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$app" "$@"
fi
echo "No display: drawing Tallowick into a picture instead." >&2
exec "$app" --screenshot "${TALLOWICK_SCREENSHOT:-$root/build/tallowick.png}" "$@"
