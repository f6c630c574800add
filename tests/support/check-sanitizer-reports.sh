#!/usr/bin/env bash
# Fails when any process of the test run left a sanitizer report in the given folder, and
# shows each one. Files holding only the sanitizers' own notes (LeakSanitizer's "Unable to get
# registers from thread" when a thread ends during its check at exit) are shown but are no
# finding: every report names its error and ends with a SUMMARY line.
set -euo pipefail
shopt -s nullglob
found=0
for report in "$1"/report.*; do
  echo "==== $report"
  cat "$report"
  if grep -qE '^SUMMARY: |ERROR: [A-Za-z]+Sanitizer|runtime error: ' "$report"; then
    found=$((found + 1))
  else
    echo "(a note, not a finding)"
  fi
done
if [ "$found" -gt 0 ]; then
  echo "$found sanitizer report(s)."
  exit 1
fi
echo "No sanitizer reports."
