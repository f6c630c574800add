#!/usr/bin/env bash
# Installs the Debian packages Tallowick builds and tests with, when any is missing.
#   scripts/install-deps.sh        everything: the build, the tests, the package and its checks
#   scripts/install-deps.sh app    only what building and running the app needs (./run.sh)
set -euo pipefail

# Building the programs, and what they need at run time that the build does not pull in.
app_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-declarative-dev qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-layouts
  qml6-module-qtquick-window qml6-module-qtquick-templates
  qml6-module-qtqml-workerscript
  # the file dialog of the calendar and backup actions: the desktop's own through the XDG
  # portal, else Qt's, and the folder model that one uses
  qml6-module-qtquick-dialogs qml6-module-qt-labs-folderlistmodel qt6-xdgdesktopportal-platformtheme
  libicu-dev libplist-dev libical-dev libxcb1-dev libfontconfig-dev
  # the sync password in the desktop's keyring (Secret Service, through libsecret)
  qtkeychain-qt6-dev libsecret-1-0
  # the home screen's own Wayland client (its widgets as layer surfaces), and Qt's windows on
  # Wayland
  libwayland-dev wayland-protocols qt6-wayland
  fonts-inter fonts-lato fontconfig
  # titles in every script: Korean, Japanese and Chinese; Arabic, Hebrew, Devanagari, Thai
  # and the rest of Noto's core scripts; emoji in colour
  fonts-noto-cjk fonts-noto-core fonts-noto-color-emoji
  # the icon's PNG sizes are drawn from its SVG at build time
  librsvg2-bin
)
# The tests, the sanitizer and fuzz builds, the benchmarks, the Debian package and the checks
# of the desktop files, the package, the manual pages and the shell completion.
test_packages=(
  python3
  clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  appstream desktop-file-utils
  dpkg-dev fakeroot file lintian man-db zsh
  # a private session bus with a notification daemon that records what it is sent
  dbus-daemon python3-dbusmock python3-dbus
  # the app and the home screen on an X server of its own with a window manager, read by a
  # screen reader's bus, driven by keys and the mouse, their windows read and pictured
  xvfb openbox wmctrl x11-utils imagemagick at-spi2-core python3-pyatspi xdotool
  # the app on a Wayland compositor of its own (headless), through Qt's Wayland plug-in
  sway qt6-wayland
  # a Wayland desktop with layer shell's screenshots
  grim
  # an independent reader of the calendars Tallowick writes, with its repeating rules
  python3-icalendar python3-recurring-ical-events
  # a CalDAV server of the tests' own, started on a loopback port for the sync tests, and a
  # keyring of theirs on a private session bus
  radicale gnome-keyring
)

case "${1:-all}" in
  app) packages=("${app_packages[@]}") ;;
  all) packages=("${app_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: $0 [app]" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}" >&2
if [ "$(id -u)" -ne 0 ]; then
  sudo=sudo
else
  sudo=
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
