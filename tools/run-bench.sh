#!/usr/bin/env bash
# Runs every benchmark executable in DIR/bench (they generate their own data).
# Sizes: VELK_BENCH_EMPLOYEES (each benchmark's organisation), VELK_BENCH_YEAR_EMPLOYEES (the
# year that bench_load loads, clears and updates; 10,000 by default). VELK_BENCH_FILTER, a
# regular expression, runs only the benchmarks it matches.
set -euo pipefail
dir=$1
shopt -s nullglob
for b in "$dir"/bench/bench_*; do
  [ -x "$b" ] && "$b" --benchmark_counters_tabular=true \
    ${VELK_BENCH_FILTER:+--benchmark_filter="$VELK_BENCH_FILTER"}
done
