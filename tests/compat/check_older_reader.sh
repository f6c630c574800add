#!/usr/bin/env bash
# Checks that an older tallowick-cli, built before events could repeat, reads the files this
# build writes with repeating events in them: the settings file (the event list), and a
# change it then makes saves them all. Usage: check_older_reader.sh OLDER_CLI THIS_CLI
set -euo pipefail
older=$1 current=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
export XDG_CONFIG_HOME="$root/config" XDG_DATA_HOME="$root/data" XDG_RUNTIME_DIR="$root/runtime"
export TZ=Asia/Seoul LC_ALL=C.UTF-8
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
now=--now=2026-12-09T10:00:00
fail() { echo "FAILED: $*"; exit 1; }

"$current" "$now" add Mum 2016-02-29 --yearly >/dev/null
"$current" "$now" add Trip 2027-03-01 >/dev/null
"$current" "$now" add Wedding 2019-06-15 --yearly >/dev/null

# The older reader lists every event, the repeating ones on their own first date.
listed=$("$older" "$now" list 2>&1) || fail "the older reader refused the list: $listed"
[ "$(grep -c . <<<"$listed")" = 6 ] || fail "the older reader listed: $listed"
grep -qP '^0\t[0-9-]+\t2019-06-15\tWedding$' <<<"$listed" || fail "Wedding: $listed"
grep -qP '^2\t[0-9-]+\t2016-02-29\tMum$' <<<"$listed" || fail "Mum: $listed"
"$older" "$now" list --json | grep -q '"dateTitle": *"Mum"' || fail "the older reader's JSON lacks Mum"

# A change by the older program keeps every event (it knows no repeat, so it writes none).
"$older" "$now" edit 1 --title "Trip!" >/dev/null || fail "the older program could not change the list"
after=$("$current" "$now" list)
[ "$(grep -c . <<<"$after")" = 6 ] || fail "after the older program's change: $after"
grep -qP '\tTrip!$' <<<"$after" || fail "the older program's change is missing: $after"
echo "the older reader read 6 events, 2 of them repeating, and its change kept them all"
