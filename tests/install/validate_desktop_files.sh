#!/usr/bin/env bash
# Installs the build under a throw-away prefix and runs the desktop's own validators over what
# it installs for the desktop: appstreamcli on the metainfo (with its desktop entry and icons),
# desktop-file-validate on every desktop entry, the home screen's autostart entry included.
# Any error or warning fails; hints and pedantic notes are shown and pass.
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
prefix="$root/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
failed=0

# Runs a validator and fails the test when it exits non-zero or reports an error or warning;
# its output is always shown.
check() {
  local what=$1; shift
  local output status=0
  output=$("$@" 2>&1) || status=$?
  [ -n "$output" ] && printf '%s\n' "$output"
  if [ $status -ne 0 ] || grep -Eq '^(E|W): |: (error|warning): ' <<<"$output"; then
    echo "FAILED: $what"
    failed=$((failed + 1))
  fi
}

metainfo=("$prefix"/share/metainfo/*.metainfo.xml)
[ -e "${metainfo[0]}" ] || { echo "no metainfo installed"; exit 1; }
check "appstreamcli validate" appstreamcli validate --no-net "${metainfo[@]}"
# The tree check also finds the desktop entry that the metainfo's launchable names.
check "appstreamcli validate-tree" appstreamcli validate-tree --no-net "$prefix"

entries=("$prefix"/share/applications/*.desktop)
[ ${#entries[@]} -ge 2 ] || { echo "expected the app's and the home screen's desktop entries"; exit 1; }
export XDG_CONFIG_HOME="$root/config" XDG_DATA_HOME="$root/data" XDG_RUNTIME_DIR="$root/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
"$prefix/bin/tallowick-home" --install-autostart >/dev/null
entries+=("$XDG_CONFIG_HOME/autostart/tallowick-home.desktop")
for entry in "${entries[@]}"; do
  check "desktop-file-validate $(basename "$entry")" desktop-file-validate "$entry"
done

total=$((2 + ${#entries[@]}))
echo "$((total - failed)) passed, $failed failed"
[ $failed -eq 0 ]
