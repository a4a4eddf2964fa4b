#!/usr/bin/env bash
# Content-hash throughput: tarvik's hash_file (the BM_HashFile256MiB benchmark,
# a 256 MiB file in the page cache, hashed as the tool hashes it) against
# `b3sum --num-threads 1` on a file of the same size. b3sum is timed over RUNS
# runs after one warm-up run; the best run counts.
set -euo pipefail
BUILD=${1:-build}
RUNS=${RUNS:-7}
BENCH="$BUILD/bench/tarvik_bench"
SIZE=$((256 << 20))

command -v b3sum >/dev/null || { echo "compare-hash: 'b3sum' is missing (scripts/install-deps)"; exit 1; }
[[ -x "$BENCH" ]] || { echo "compare-hash: $BENCH is missing (make bench)"; exit 1; }

WORK=$(mktemp -d /tmp/tarvik-compare-hash-XXXXXX)
trap 'rm -rf "$WORK"' EXIT
head -c "$SIZE" /dev/urandom >"$WORK/big"

b3sum --num-threads 1 "$WORK/big" >/dev/null
best_ns=""
for ((i = 0; i < RUNS; i++)); do
  start=$(date +%s%N)
  b3sum --num-threads 1 "$WORK/big" >/dev/null
  end=$(date +%s%N)
  ns=$((end - start))
  if [[ -z "$best_ns" || $ns -lt $best_ns ]]; then best_ns=$ns; fi
done
rm -f "$WORK/big"

"$BENCH" --benchmark_filter='^BM_HashFile256MiB' --benchmark_repetitions=3 \
  --benchmark_report_aggregates_only=true --benchmark_format=json >"$WORK/bench.json"
# The median of the repetitions.
tarvik_bps=$(awk -F': ' '/"name": ".*_median"/ {m = 1} m && /"bytes_per_second"/ {gsub(/[ ,]/, "", $2); print $2; exit}' "$WORK/bench.json")
[[ -n "$tarvik_bps" ]] || { echo "compare-hash: no result from $BENCH"; exit 1; }

awk -v size="$SIZE" -v ns="$best_ns" -v t="$tarvik_bps" 'BEGIN {
  b = size / (ns / 1e9);
  printf "b3sum --num-threads 1   %8.1f MiB/s (best of runs, %.1f ms for 256 MiB)\n", b / 1048576, ns / 1e6;
  printf "tarvik hash_file        %8.1f MiB/s (median, %.1f ms for 256 MiB)\n", t / 1048576, size / t * 1e3;
  printf "throughput ratio tarvik/b3sum = %.2f (target >= 0.90)\n", t / b }'
