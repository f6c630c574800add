#!/usr/bin/env bash
# Fuzzes targets for a while, two at a time (the machine's two cores), each starting from its
# seed corpus and growing a working corpus in BUILD/fuzz-corpus/<target>/ (the repository's
# corpus is never written to). Prints, per target, libFuzzer's last status line and the
# findings; inputs that broke a target are kept in BUILD/fuzz-artifacts/<target>/.
# Usage: fuzz/fuzz-for.sh BUILD SECONDS [TARGET...]   (all targets when none is named)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
seconds=$2
shift 2
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(settingsfile eventlist contentsintent contentswidget links hexcolor datetexts icalendar backup)

declare -A dictionary=([settingsfile]=plist.dict [eventlist]=plist.dict [contentsintent]=contents.dict
                       [contentswidget]=contents.dict [links]=links.dict [datetexts]=dates.dict
                       [icalendar]=ical.dict [backup]=backup.dict)

run() {
  local target=$1 corpus=$build/fuzz-corpus/$1 log=$build/fuzz-logs/$1.log
  mkdir -p "$corpus" "$build/fuzz-artifacts/$target" "$build/fuzz-logs"
  cp -n "$here/corpus/$target"/* "$corpus/"
  local args=(-max_total_time="$seconds" -timeout=25 -seed=0 -print_final_stats=1
              -artifact_prefix="$build/fuzz-artifacts/$target/")
  [ -n "${dictionary[$target]:-}" ] && args+=(-dict="$here/dictionaries/${dictionary[$target]}")
  local status=0
  "$build/fuzz/${target}_fuzz" "${args[@]}" "$corpus" >"$log" 2>&1 || status=$?
  local last
  last=$(grep -E '^#[0-9]+' "$log" | tail -1)
  echo "$target: exit $status; $last; corpus files $(ls "$corpus" | wc -l);" \
       "$(grep -E '^stat::(number_of_executed_units|average_exec_per_sec|new_units_added)' "$log" | tr '\n' ' ')"
  grep -E 'property broken|ERROR: (libFuzzer|AddressSanitizer|LeakSanitizer)|runtime error' "$log" | head -5 || true
}

for ((i = 0; i < ${#targets[@]}; i += 2)); do
  run "${targets[i]}" &
  first=$!
  if [ $((i + 1)) -lt ${#targets[@]} ]; then run "${targets[i + 1]}"; fi
  wait "$first"
done
