#!/usr/bin/env bash
# Sets up the machine and runs every test set: Linux under ASan/UBSan, the
# thread stress tests under TSan, the Windows module under wine, a bounded
# run of every fuzz target, and finally the Linux release build: Ardour as a
# real host, the packages, and the release tests, whose summary ends the output.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
jobs=$(nproc)

echo "== Linux, AddressSanitizer + UndefinedBehaviorSanitizer"
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DTOLVO_SANITIZE=ON > /dev/null
cmake --build build/asan -j"$jobs"
ctest --test-dir build/asan --output-on-failure -j"$jobs"

if [ -f tests/engine/CMakeLists.txt ] && grep -q tolvo_stress tests/engine/CMakeLists.txt; then
  echo "== Linux, ThreadSanitizer stress test"
  cmake -S . -B build/tsan -DCMAKE_BUILD_TYPE=Debug -DTOLVO_TSAN=ON > /dev/null
  cmake --build build/tsan -j"$jobs" --target tolvo_stress_tests tolvo_text_stress_tests tolvo_editor_stress_tests tolvo_editor_host_stress_tests
  TSAN_OPTIONS=halt_on_error=1 ctest --test-dir build/tsan --output-on-failure -R stress
fi

if [ -f .ci/windows.sh ]; then
  echo "== Windows, cross-built and run under wine"
  bash .ci/windows.sh
fi

echo "== Linux, fuzz targets (clang, libFuzzer, ASan + UBSan), 30 s each"
bash tools/fuzz.sh 30

echo "== Linux, release"
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build/release -j"$jobs"

echo "== Linux, release: Ardour 7 as the host, then the packages"
bash tools/host-check.sh build/release/bin/Tolvo.so
bash tools/package-check.sh build/release build/windows

echo "== Linux, release: the LV2 edition with the LV2 tools and Ardour 7"
bash tools/lv2-check.sh build/release/bin
bash tools/host-check-lv2.sh build/release/bin/Tolvo.lv2

ctest --test-dir build/release --output-on-failure -j"$jobs"
