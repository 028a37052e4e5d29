#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UBSan) and
# runs each for a bounded time from its committed seed corpus and regression
# cases. Fails on any crash, sanitizer report or broken invariant; the input
# that caused it is kept in build/fuzz/artifacts/<target>/ (commit it under
# tests/fuzz/regressions/<target>/ once the fault is mended). New inputs the
# fuzzer finds go to build/fuzz/corpus/<target>/, never into the source tree.
# Ends with one line per target: executions, executions per second, coverage.
#
# Usage: bash tools/fuzz.sh [seconds per target, default 30] [target ...]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(state_block preferences_file parameter_text png_decode dispatcher)
fi
build=build/fuzz
inputs=tests/fuzz

CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVO_FUZZ=ON \
  > /dev/null
cmake --build "$build" -j"$(nproc)" --target tolvo_fuzzers

export ASAN_OPTIONS="detect_leaks=1"
# The preferences target rewrites its file on every run; in memory that costs
# no disk flush.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
summary=()
for target in "${targets[@]}"; do
  echo "== fuzzing $target for $seconds s"
  work="$build/corpus/$target"
  artifacts="$build/artifacts/$target"
  log="$build/logs/$target.log"
  mkdir -p "$work" "$artifacts" "$(dirname "$log")"
  corpora=("$work" "$inputs/corpus/$target")
  if [ -d "$inputs/regressions/$target" ]; then
    corpora+=("$inputs/regressions/$target")
  fi
  options=(-max_total_time="$seconds" -timeout=10 -print_final_stats=1
           -artifact_prefix="$artifacts/")
  if [ -f "$inputs/dictionaries/$target.dict" ]; then
    options+=(-dict="$inputs/dictionaries/$target.dict")
  fi
  status=0
  "$build/bin/fuzz_$target" "${options[@]}" "${corpora[@]}" > "$log" 2>&1 || status=$?
  if [ $status -ne 0 ]; then
    tail -n 60 "$log"
    echo "fuzz target $target failed (exit $status); input kept in $artifacts/"
    exit 1
  fi
  # The last status line: "#runs DONE cov: N ft: N corp: ... exec/s: N ...".
  done_line=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -n 1 || true)
  runs=$(sed -nE 's/^#([0-9]+).*/\1/p' <<< "$done_line")
  rate=$(grep -E '^stat::average_exec_per_sec' "$log" | awk '{print $2}')
  cov=$(sed -nE 's/.*cov: ([0-9]+).*/\1/p' <<< "$done_line")
  ft=$(sed -nE 's/.*ft: ([0-9]+).*/\1/p' <<< "$done_line")
  summary+=("$(printf '%-18s %10s runs %8s exec/s  cov %5s  ft %6s' "$target" "$runs" "$rate" "$cov" "$ft")")
done
echo "== fuzzing summary ($seconds s per target)"
printf '%s\n' "${summary[@]}"
