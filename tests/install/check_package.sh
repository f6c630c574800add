#!/usr/bin/env bash
# Makes the Debian package of the build with cpack, has lintian check it (an error or a warning
# fails), and unpacks it with dpkg-deb -x into a throw-away root, where the three programs
# answer --version, the app draws its first page and the home screen finds its widget plug-in
# and draws a widget.
#   check_package.sh BUILD VERSION
set -euo pipefail
build=$1 version=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failed=0
fail() { echo "FAILED: $*"; failed=$((failed + 1)); }
finish() { echo "$((1 - (failed > 0))) passed, $((failed > 0)) failed"; [ $failed -eq 0 ]; exit; }

cpack -G DEB -B "$root/out" --config "$build/CPackConfig.cmake" >"$root/cpack.log" || { cat "$root/cpack.log"; fail "cpack"; finish; }
deb="$root/out/tallowick_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { ls "$root/out"; fail "no $(basename "$deb")"; finish; }

lintian --fail-on error,warning --display-info "$deb" 2>&1 | grep -v 'running with root privileges' || fail "lintian"

# What the programs load at run time and the shared libraries cannot tell, next to what they can.
depends=$(dpkg-deb --field "$deb" Depends)
for package in qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-templates \
               qml6-module-qtqml-workerscript qml6-module-qtquick-dialogs qml6-module-qt-labs-folderlistmodel \
               qt6-qpa-plugins qt6-xdgdesktopportal-platformtheme libqt6quick6 libqt6widgets6 libicu; do
  [[ $depends == *"$package"* ]] || fail "Depends lacks $package: $depends"
done

tree="$root/tree"
dpkg-deb -x "$deb" "$tree"
plugin="usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/tallowick/widgets/libTallowickWidgets.so"
for file in usr/bin/tallowick usr/bin/tallowick-home usr/bin/tallowick-cli "$plugin"; do
  [ -f "$tree/$file" ] || { fail "missing: $file"; continue; }
  file "$tree/$file" | grep -q ', stripped' || fail "not stripped: $file"
done
grep -qx 'Exec=/usr/bin/tallowick %u' "$tree/usr/share/applications/org.tallowick.Tallowick.desktop" \
  || fail "the desktop entry does not start /usr/bin/tallowick"

for program in tallowick tallowick-home tallowick-cli; do
  answer=$("$tree/usr/bin/$program" --version 2>&1) || fail "$program --version failed"
  [ "$answer" = "$program $version" ] || fail "$program --version says \"$answer\""
done

export XDG_CONFIG_HOME="$root/home/config" XDG_DATA_HOME="$root/home/data" XDG_RUNTIME_DIR="$root/home/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset TALLOWICK_WIDGETS_PATH DISPLAY WAYLAND_DISPLAY
"$tree/usr/bin/tallowick" --screenshot "$root/app.png" >/dev/null || fail "the app drew no screenshot"
file "$root/app.png" | grep -q 'PNG image data, 390 x 844' || fail "the screenshot is not the 390 x 844 window"
# The plug-in is found beside the unpacked program, nowhere else.
"$tree/usr/bin/tallowick-home" --render small --out "$root/widget.png" >/dev/null || fail "the home screen drew no widget"
file "$root/widget.png" | grep -q 'PNG image data, 340 x 340' || fail "the widget is not a small one at scale 2"
finish
