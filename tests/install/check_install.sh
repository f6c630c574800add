#!/usr/bin/env bash
# Installs the build under a throw-away prefix and checks that what a desktop needs is there
# and works from there: the programs, the widget plug-in found by the home screen, the desktop
# entry naming the installed app and its link scheme, and the icon.
set -euo pipefail
build=$1
libdir=$2   # CMAKE_INSTALL_LIBDIR
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/tallowick bin/tallowick-home bin/tallowick-cli "$libdir/tallowick/widgets/libTallowickWidgets.so" \
            share/applications/tallowick.desktop share/icons/hicolor/scalable/apps/tallowick.svg; do
  [ -e "$prefix/$file" ] || { echo "missing: $file"; exit 1; }
done
grep -qx "Exec=$prefix/bin/tallowick %u" "$prefix/share/applications/tallowick.desktop" || { echo "bad Exec line"; exit 1; }
grep -q "x-scheme-handler/tallowick" "$prefix/share/applications/tallowick.desktop" || { echo "no scheme handler"; exit 1; }

# The installed home screen finds the installed plug-in and draws a widget.
export XDG_CONFIG_HOME="$prefix/home/config" XDG_DATA_HOME="$prefix/home/data" XDG_RUNTIME_DIR="$prefix/home/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset TALLOWICK_WIDGETS_PATH
"$prefix/bin/tallowick-home" --render small --out "$prefix/widget.png" >/dev/null
[ -s "$prefix/widget.png" ] || { echo "no widget drawn"; exit 1; }
echo "1 passed, 0 failed"
