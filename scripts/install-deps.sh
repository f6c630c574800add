#!/usr/bin/env bash
# Installs the Debian packages Tallowick builds and tests with, when any is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config python3
  clang libclang-rt-14-dev
  qt6-base-dev qt6-declarative-dev qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-layouts
  qml6-module-qtquick-window qml6-module-qtquick-templates
  qml6-module-qtqml-workerscript
  libicu-dev libplist-dev libgtest-dev libgmock-dev libbenchmark-dev
  fonts-inter fonts-lato fonts-noto-cjk fontconfig
)

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
