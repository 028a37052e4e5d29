#!/usr/bin/env bash
# Builds the fuzz targets in the clang sanitizer tree (libFuzzer, AddressSanitizer,
# UBSan; the tree the unit tests run from too) and runs each for a bounded time
# from its committed seed corpus and regression cases, two targets at a time.
# Fails on any crash, sanitizer report or broken invariant; the input that
# caused it is kept in build/fuzz/artifacts/<target>/ (commit it under
# tests/fuzz/regressions/<target>/ once the fault is mended). New inputs the
# fuzzer finds go to build/fuzz/corpus/<target>/, never into the source tree.
# Ends with one line per target: executions, executions per second, coverage.
#
# Usage: bash tools/fuzz.sh [seconds per target, default 30] [target ...]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/ci/trees.sh

seconds=${1:-30}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(state_block preferences_file parameter_text png_decode dispatcher)
fi
tree=build/asan
work_root=build/fuzz
inputs=tests/fuzz
# Each target is one process on one core.
at_once=2

configure_sanitizer_tree "$tree"
cmake --build "$tree" -j"$(nproc)" --target tolvo_fuzzers

export ASAN_OPTIONS="detect_leaks=1"
# The preferences target rewrites its file on every run; in memory that costs
# no disk flush.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

log_of() { echo "$work_root/logs/$1.log"; }

fuzz_one() {
  local target=$1
  local work="$work_root/corpus/$target" artifacts="$work_root/artifacts/$target"
  mkdir -p "$work" "$artifacts" "$work_root/logs"
  local corpora=("$work" "$inputs/corpus/$target")
  if [ -d "$inputs/regressions/$target" ]; then
    corpora+=("$inputs/regressions/$target")
  fi
  local options=(-max_total_time="$seconds" -timeout=10 -print_final_stats=1
                 -artifact_prefix="$artifacts/")
  if [ -f "$inputs/dictionaries/$target.dict" ]; then
    options+=(-dict="$inputs/dictionaries/$target.dict")
  fi
  "$tree/bin/fuzz_$target" "${options[@]}" "${corpora[@]}" > "$(log_of "$target")" 2>&1
}

# Starts every target as soon as a slot is free and keeps each one's status.
declare -A target_of=() status_of=()
failed=0
collect_one() {
  local pid status=0
  wait -n -p pid || status=$?
  local target=${target_of[$pid]}
  status_of[$target]=$status
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$(log_of "$target")"
    echo "fuzz target $target failed (exit $status); input kept in $work_root/artifacts/$target/"
    failed=1
  fi
}
for target in "${targets[@]}"; do
  if [ $(( ${#target_of[@]} - ${#status_of[@]} )) -ge "$at_once" ]; then
    collect_one
  fi
  echo "== fuzzing $target for $seconds s"
  fuzz_one "$target" &
  target_of[$!]=$target
done
while [ "${#status_of[@]}" -lt "${#targets[@]}" ]; do
  collect_one
done

echo "== fuzzing summary ($seconds s per target, $at_once at a time)"
for target in "${targets[@]}"; do
  log=$(log_of "$target")
  # The last status line: "#runs DONE cov: N ft: N corp: ... exec/s: N ...".
  done_line=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -n 1 || true)
  runs=$(sed -nE 's/^#([0-9]+).*/\1/p' <<< "$done_line")
  rate=$(grep -E '^stat::average_exec_per_sec' "$log" | awk '{print $2}' || true)
  cov=$(sed -nE 's/.*cov: ([0-9]+).*/\1/p' <<< "$done_line")
  ft=$(sed -nE 's/.*ft: ([0-9]+).*/\1/p' <<< "$done_line")
  printf '%-18s %10s runs %8s exec/s  cov %5s  ft %6s\n' "$target" "$runs" "$rate" "$cov" "$ft"
done
exit "$failed"
