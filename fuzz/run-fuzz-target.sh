#!/usr/bin/env bash
# Runs one fuzz target over a copy of its seed corpus for a fixed number of inputs with a fixed
# seed, so the run repeats exactly and the repository's corpus is never written to. Inputs that
# break the target are kept in ARTIFACT_DIR.
# Usage: run-fuzz-target.sh TARGET CORPUS_DIR ARTIFACT_DIR RUNS [DICTIONARY]
set -euo pipefail
target=$1 corpus=$2 artifacts=$3 runs=$4 dictionary=${5:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -R "$corpus"/. "$work/"
mkdir -p "$artifacts"
args=(-runs="$runs" -seed=1 -timeout=60 -artifact_prefix="$artifacts/" -print_final_stats=1)
[ -n "$dictionary" ] && args+=(-dict="$dictionary")
"$target" "${args[@]}" "$work"
