#!/usr/bin/env bash
# Installs the build under a throw-away prefix, and again with DESTDIR, and checks that what a
# desktop needs is there and works from there: the programs, the widget plug-in found by the
# home screen, the desktop entries naming the installed programs (the app's with its link
# scheme), the metainfo, the icon in every size, the manual pages and the shell completion.
#   check_install.sh BUILD LIBDIR APP_ID HOME_ID
set -euo pipefail
build=$1 libdir=$2 app_id=$3 home_id=$4
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "$*"; echo "0 passed, 1 failed"; exit 1; }

icon_sizes=(16 22 24 32 48 64 128 256 512)
expected=(bin/tallowick bin/tallowick-home bin/tallowick-cli "$libdir/tallowick/widgets/libTallowickWidgets.so"
          "share/applications/$app_id.desktop" "share/applications/$home_id.desktop"
          "share/metainfo/$app_id.metainfo.xml" "share/icons/hicolor/scalable/apps/$app_id.svg"
          share/man/man1/tallowick.1.gz share/man/man1/tallowick-home.1.gz share/man/man1/tallowick-cli.1.gz
          share/bash-completion/completions/tallowick-cli share/zsh/vendor-completions/_tallowick-cli)
for size in "${icon_sizes[@]}"; do
  expected+=("share/icons/hicolor/${size}x$size/apps/$app_id.png")
done

# Checks the tree installed in `tree` for the prefix `prefix` (the same unless DESTDIR was set).
check_tree() {
  local tree=$1 prefix=$2
  for file in "${expected[@]}"; do
    [ -e "$tree/$file" ] || fail "missing: $file (under $tree)"
  done
  for size in "${icon_sizes[@]}"; do
    file "$tree/share/icons/hicolor/${size}x$size/apps/$app_id.png" | grep -q "PNG image data, $size x $size," \
      || fail "the ${size}x$size icon is not a $size x $size PNG"
  done
  local app_entry="$tree/share/applications/$app_id.desktop" home_entry="$tree/share/applications/$home_id.desktop"
  grep -qx "Exec=$prefix/bin/tallowick %u" "$app_entry" || fail "bad Exec line in $app_id.desktop"
  grep -qx "Exec=$prefix/bin/tallowick-home" "$home_entry" || fail "bad Exec line in $home_id.desktop"
  grep -qx "MimeType=x-scheme-handler/tallowick;" "$app_entry" || fail "no scheme handler"
  grep -qx "Icon=$app_id" "$app_entry" || fail "the app's entry names another icon"
  grep -qx "StartupWMClass=$app_id" "$app_entry" || fail "the app's entry names another window class"
  # The launcher shows that the app is starting and hands it what raises its window.
  grep -qx "StartupNotify=true" "$app_entry" || fail "the app's entry does not ask for startup notification"
  grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$tree/share/metainfo/$app_id.metainfo.xml" \
    || fail "the metainfo launches another desktop entry"
}

prefix="$root/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
check_tree "$prefix" "$prefix"

# With DESTDIR, everything lands below it and names the prefix alone, as a package needs.
DESTDIR="$root/stage" cmake --install "$build" --prefix /opt/tallowick >/dev/null
check_tree "$root/stage/opt/tallowick" /opt/tallowick
[ -z "$(find "$root/stage" -mindepth 1 -maxdepth 1 ! -name opt)" ] || fail "DESTDIR install wrote outside its prefix"

# The installed home screen finds the installed plug-in and draws a widget, saying nothing on
# standard error unless asked to.
export XDG_CONFIG_HOME="$root/home/config" XDG_DATA_HOME="$root/home/data" XDG_RUNTIME_DIR="$root/home/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset TALLOWICK_WIDGETS_PATH QT_LOGGING_RULES
"$prefix/bin/tallowick-home" --render small --out "$root/widget.png" >/dev/null 2>"$root/quiet.err"
[ -s "$root/widget.png" ] || fail "no widget drawn"
[ ! -s "$root/quiet.err" ] || fail "diagnostics without --verbose: $(cat "$root/quiet.err")"
"$prefix/bin/tallowick-home" --verbose --render small --out "$root/widget.png" >/dev/null 2>"$root/verbose.err"
grep -q '^tallowick\.widgets: ' "$root/verbose.err" || fail "no diagnostics of the widget with --verbose"
echo "1 passed, 0 failed"
