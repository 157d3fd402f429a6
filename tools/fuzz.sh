#!/bin/sh
# Runs each named libFuzzer target of the host-asan build for SECONDS on a
# scratch copy of its seed corpus (so the repository's seeds stay small).
# Usage: tools/fuzz.sh SECONDS [TARGET...]   (all built targets by default)
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=$1
shift
targets="$*"
[ -n "$targets" ] || targets=$(cd "$top/build/host-asan/fuzz" && ls fuzz_* | grep -v '\.' || true)
for target in $targets; do
  name=${target#fuzz_}
  work="$top/build/host-asan/fuzz-work/$name"
  mkdir -p "$work/corpus" "$work/artifacts"
  cp "$top/fuzz/corpus/$name/"* "$work/corpus/" 2>/dev/null || true
  log="$work/last.log"
  if "$top/build/host-asan/fuzz/$target" -max_total_time="$seconds" -max_len=4096 \
       -print_final_stats=1 -artifact_prefix="$work/artifacts/" "$work/corpus" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "$target: ${seconds}s, $runs executions, no finding"
  else
    tail -n 40 "$log"
    echo "$target: FAILED (inputs in $work/artifacts)"
    exit 1
  fi
done
