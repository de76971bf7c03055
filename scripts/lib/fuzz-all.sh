#!/usr/bin/env bash
# Runs every fuzz target of the fuzz tree for a bounded time, starting from its seeds. New
# inputs go to a scratch folder, crashes to build/fuzz/artifacts.
set -euo pipefail
source "$(dirname "$0")/env.sh"
seconds=${1:-60}
artifacts=$SUNDREL_BUILD/fuzz/artifacts
mkdir -p "$artifacts"
shopt -s nullglob
for target in "$SUNDREL_BUILD"/fuzz/tests/fuzz/*_fuzz; do
  name=$(basename "$target" _fuzz)
  scratch=$(mktemp -d)
  echo "-- $name"
  if ! "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 -print_final_stats=1 \
      -artifact_prefix="$artifacts/$name-" "$scratch" "$SUNDREL_TOP/tests/fuzz/corpus/$name" \
      >"$scratch.log" 2>&1; then
    tail -n 60 "$scratch.log"
    rm -rf "$scratch" "$scratch.log"
    echo "fuzzing $name found a fault; the input is in $artifacts"
    exit 1
  fi
  grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "$scratch.log" || true
  rm -rf "$scratch" "$scratch.log"
done
