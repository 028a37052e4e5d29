#!/usr/bin/env bash
# Sets up the machine and runs every test set: the Linux build under
# ASan/UBSan (clang) and the Windows cross build first, then the Windows tests
# under wine in the background (they mostly wait on their windows) while the
# ASan/UBSan tests, a bounded run of every fuzz target from the same tree, the
# thread stress tests under TSan and the Linux release build run; the release
# tests run beside Ardour as a real host, then the packages. Each stage prints
# its wall time; the run ends with the table of them.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
bash tools/check-layers.sh
bash tools/check-format.sh
source tools/ci/trees.sh
source tools/ci/stages.sh
jobs=$(nproc)
run_start=$(stage_now)

asan_build() { configure_sanitizer_tree build/asan && cmake --build build/asan -j"$jobs"; }
asan_tests() { ctest --test-dir build/asan --output-on-failure -j"$jobs"; }
tsan_build() {
  configure_tsan_tree build/tsan && cmake --build build/tsan -j"$jobs" --target \
    tolvo_stress_tests tolvo_text_stress_tests tolvo_editor_stress_tests \
    tolvo_editor_host_stress_tests
}
tsan_tests() {
  TSAN_OPTIONS=halt_on_error=1 ctest --test-dir build/tsan --output-on-failure -R stress \
    --no-tests=error
}
release_build() { configure_release_tree build/release && cmake --build build/release -j"$jobs"; }
release_tests() { ctest --test-dir build/release --output-on-failure -j"$jobs"; }
ardour_checks() {
  bash tools/host-check.sh build/release/bin/Tolvo.so \
    && bash tools/host-check-lv2.sh build/release/bin/Tolvo.lv2
}

run_stage "ASan+UBSan: build" asan_build
run_stage "Windows: libpng and cross build" bash .ci/windows.sh build
start_stage "Windows: tests under wine" bash .ci/windows.sh test
run_stage "ASan+UBSan: tests" asan_tests
run_stage "fuzz: 5 targets x 30 s, two at a time" bash tools/fuzz.sh 30
run_stage "TSan: build" tsan_build
run_stage "TSan: stress tests" tsan_tests
run_stage "release: build" release_build
start_stage "release: Ardour 7 as the host (VST 2, LV2)" ardour_checks
run_stage "release: tests" release_tests
collect_stage "release: Ardour 7 as the host (VST 2, LV2)"
collect_stage "Windows: tests under wine"
run_stage "release: packages" bash tools/package-check.sh build/release build/windows

finish_stages "$run_start"
