#!/usr/bin/env bash
# Measured run (not a test): peak resident memory (VmHWM) of tallowick-home showing three
# widgets, offscreen, next to that of a bare Qt Quick window. Everything happens in a
# throw-away XDG home.
#   bench/home_memory.sh [BUILD_DIR]     (default: $TALLOWICK_BUILD_DIR or ./build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-${TALLOWICK_BUILD_DIR:-$root/build}}" && pwd)
home_bin="$build/bin/tallowick-home"
cli_bin="$build/bin/tallowick-cli"
quick_bin="$build/bin/quick_baseline"
settle=${SETTLE_SECONDS:-2}

scratch=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

export XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" XDG_RUNTIME_DIR="$scratch/runtime"
export HOME="$scratch" QT_QPA_PLATFORM=offscreen TZ=Asia/Seoul LANG=C.UTF-8
# No session bus: nothing reaches the person's desktop.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$scratch/no-bus"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# The real plug-in when it is built; otherwise the tests' stand-in, which draws solid colours.
# (lib/tallowick/widgets/, or lib/<triplet>/tallowick/widgets/ on a multiarch system).
if [ -z "$(find "$build/lib" -path '*/tallowick/widgets/*.so' 2>/dev/null)" ]; then
  export TALLOWICK_WIDGETS_PATH="$build/tests/home/fakeplugin"
  export FAKE_WIDGETS_FILE="$scratch/fake.json"
  echo '{"options": [{"identifier": "0", "displayString": "Trip"}],
         "timelines": {"": [{"date": "2024-01-01T00:00:00", "color": "#3366cc"}]}}' > "$FAKE_WIDGETS_FILE"
  plugin="the tests' stand-in plug-in"
else
  plugin="the TallowickWidgets plug-in"
fi
# Events to show, where the command-line companion can publish them.
if [ -x "$cli_bin" ]; then
  "$cli_bin" add Trip "$(date -d "+10 days" +%Y-%m-%d)" >/dev/null 2>&1
fi

"$home_bin" --add small >/dev/null
"$home_bin" --add medium --at 240,40 >/dev/null
"$home_bin" --add large --at 640,40 >/dev/null

# Peak resident memory of a process after it has run for a while, in kB.
peak_of() {
  local pid=$1
  sleep "$settle"
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "process $pid ended early" >&2
    exit 1
  fi
  awk '/^VmHWM:/ {print $2}' "/proc/$pid/status"
}

"$home_bin" > "$scratch/home.out" 2> "$scratch/home.err" &
pids+=($!)
home_peak=$(peak_of "$!")

"$quick_bin" > /dev/null 2>&1 &
pids+=($!)
quick_peak=$(peak_of "$!")

echo "tallowick-home, 3 widgets ($plugin): VmHWM $home_peak kB"
echo "bare Qt Quick window (software renderer): VmHWM $quick_peak kB"
