#!/usr/bin/env bash
# Cross-builds the Windows module, tolvo-host and the tests with mingw-w64 and
# runs the Windows tests under wine on a virtual X display. Run from the
# repository root after tools/setup.sh has installed the packages. libpng is
# built once per version into a cache folder outside the clone.
#
# Usage: bash .ci/windows.sh [build|test|all, default all] [build folder, default build/windows]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/ci/trees.sh

step=${1:-all}
build=${2:-build/windows}
case "$build" in
  /*) ;;
  *) build="$PWD/$build" ;;
esac

if [ "$step" = build ] || [ "$step" = all ]; then
  libpng=$(bash tools/ci/build-mingw-libpng.sh --folder)
  bash tools/ci/build-mingw-libpng.sh "$libpng"
  configure_windows_tree "$build" "$libpng"
  cmake --build "$build" -j"$(nproc)"
fi

# One wineserver per run, started inside the virtual display so that windows
# can be created; waiting for it lets the prefix settle before the display
# goes away. The test programs run one at a time: they share the display,
# its focus and its cursor. The screen is tall enough for the editor at 3×
# (1602 pixels within 90 % of its height).
if [ "$step" = test ] || [ "$step" = all ]; then
  export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml=" \
    WINEARCH=win64
  xvfb-run -a -s "-screen 0 1920x3300x24" bash -c '
    status=0
    wine reg add "HKCU\\Software\\Wine\\Fonts\\Replacements" /v Arial /d "Liberation Sans" /f \
      > /dev/null || status=$?
    ctest --test-dir "$1" --output-on-failure || status=$?
    wineserver -w
    exit $status
  ' bash "$build"
fi
