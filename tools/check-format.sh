#!/usr/bin/env bash
# Fails when a C++ file of the repository differs from what clang-format makes
# of it with the house style in .clang-format; lists the files that differ.
# With --fix, formats them in place instead.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
# One run over every file; each place that differs is reported as
# "file:line:col: error: code should be clang-formatted".
if report=$(clang-format --dry-run --Werror "${files[@]}" 2>&1); then
  echo "formatting: ${#files[@]} files as .clang-format says"
  exit 0
fi
echo "not formatted (run bash tools/check-format.sh --fix):"
grep -oE '^[^:]+:[0-9]+:[0-9]+: error' <<< "$report" | cut -d: -f1 | sort -u | sed 's/^/  /'
exit 1
