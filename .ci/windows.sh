#!/usr/bin/env bash
# Cross-builds the Windows module, tolvo-host and the tests with mingw-w64 and
# runs the Windows tests under wine on a virtual X display. Run from the
# repository root after tools/setup.sh has installed the packages.
#
# Usage: bash .ci/windows.sh [build folder, default build/windows]
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/windows}
case "$build" in
  /*) ;;
  *) build="$PWD/$build" ;;
esac
libpng="$build/libpng"

seconds() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$(seconds)" 'BEGIN { printf "%.1f s", b - a }'; }

start=$(seconds)
bash tools/ci/build-mingw-libpng.sh "$libpng"
echo "libpng: $(elapsed "$start")"

start=$(seconds)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake \
  -DTOLVO_MINGW_LIBPNG_DIR="$libpng" > /dev/null
cmake --build "$build" -j"$(nproc)"
echo "cross build: $(elapsed "$start")"

# One wineserver per run, started inside the virtual display so that windows
# can be created; waiting for it lets the prefix settle before the display
# goes away. The test programs run one at a time: they share the display,
# its focus and its cursor. A test that runs into its time limit (only the
# mouse tests set one) is run once more.
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml=" WINEARCH=win64
start=$(seconds)
xvfb-run -a bash -c '
  status=0
  wine reg add "HKCU\\Software\\Wine\\Fonts\\Replacements" /v Arial /d "Liberation Sans" /f > /dev/null \
    || status=$?
  ctest --test-dir "$1" --output-on-failure --repeat after-timeout:2 || status=$?
  wineserver -w
  exit $status
' bash "$build"
echo "tests under wine: $(elapsed "$start")"
