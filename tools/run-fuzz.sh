#!/usr/bin/env bash
# Runs every fuzz target in DIR for RUNS inputs, starting from its seed corpus in fuzz/corpus/.
set -euo pipefail
dir=$1 runs=$2
root=$(cd "$(dirname "$0")/.." && pwd)
shopt -s nullglob
for t in "$dir"/fuzz_*; do
  [ -x "$t" ] || continue
  name=$(basename "$t")
  seeds="$root/fuzz/corpus/${name#fuzz_}"
  work=$(mktemp -d)
  [ -d "$seeds" ] && cp -r "$seeds"/. "$work"/
  echo "fuzz: $name ($runs runs)"
  ASAN_OPTIONS=detect_leaks=1 "$t" -seed=1 -runs="$runs" -max_len=4096 -rss_limit_mb=4096 \
    "$work" >"$work.log" 2>&1 || { tail -n 60 "$work.log"; rm -rf "$work" "$work.log"; exit 1; }
  tail -n 1 "$work.log"
  rm -rf "$work" "$work.log"
done
