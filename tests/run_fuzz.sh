#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time
# (FUZZ_SECONDS, default 60) from its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLANE_FUZZ=ON -DQUILLANE_BENCH=OFF -DQUILLANE_WIN32_DLL=OFF
cmake --build build-fuzz -j"$(nproc 2>/dev/null || echo 2)"
for target in differential stream_reader options; do
  work=$(mktemp -d)
  cp tests/fuzz/corpus/$target/* "$work"/
  echo "fuzzing $target for $seconds s"
  status=0
  ASAN_OPTIONS=detect_leaks=1 build-fuzz/tests/fuzz/${target}_fuzz -max_total_time="$seconds" -max_len=65536 \
    -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$work/" "$work" > "$work.log" 2>&1 || status=$?
  grep -E "^(stat::(number_of_executed_units|average_exec_per_sec|new_units_added)|Done|INFO: seed)" "$work.log" || true
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$work.log"
    for crash in "$work"/crash-* "$work"/leak-* "$work"/oom-* "$work"/timeout-*; do
      [ -e "$crash" ] && { echo "input that failed, as hex:"; od -An -tx1 "$crash" | head -n 20; }
    done
    rm -rf "$work" "$work.log"
    echo "$target: the fuzzer found a failure (status $status)"
    exit 1
  fi
  rm -rf "$work" "$work.log"
done
