#!/usr/bin/env bash
# Fails when any process of the test run left a sanitizer report in the given folder, and
# shows each report.
set -euo pipefail
shopt -s nullglob
reports=("$1"/report.*)
if [ ${#reports[@]} -eq 0 ]; then
  echo "No sanitizer reports."
  exit 0
fi
for report in "${reports[@]}"; do
  echo "==== $report"
  cat "$report"
done
echo "${#reports[@]} sanitizer report(s)."
exit 1
