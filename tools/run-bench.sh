#!/usr/bin/env bash
# Runs every benchmark executable in DIR/bench (they generate their own data).
set -euo pipefail
dir=$1
shopt -s nullglob
for b in "$dir"/bench/bench_*; do
  [ -x "$b" ] && "$b" --benchmark_counters_tabular=true
done
