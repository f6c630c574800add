#!/bin/sh
# Runs a command on a session bus of its own with an unlocked Secret Service (gnome-keyring)
# whose files live in a throwaway folder, never the person's keyring. Marks the run with
# TALLOWICK_TEST_KEYRING=1; without dbus-run-session or gnome-keyring-daemon the command runs
# as it is (and its keyring tests skip).
if ! command -v dbus-run-session >/dev/null 2>&1 || ! command -v gnome-keyring-daemon >/dev/null 2>&1; then
  exec "$@"
fi
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
# The keyring's own files and control socket go to the throwaway folder; "pw" unlocks it.
dbus-run-session -- sh -c '
  folder=$1; shift
  printf pw | XDG_DATA_HOME="$folder" XDG_RUNTIME_DIR="$folder" gnome-keyring-daemon --unlock --components=secrets >/dev/null
  TALLOWICK_TEST_KEYRING=1 exec "$@"' sh "$folder" "$@"
