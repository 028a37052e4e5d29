# The CMake trees of the test run, sourced by tools/test.sh, tools/fuzz.sh and
# .ci/windows.sh: every tree builds with Ninja through ccache, whose cache lies
# outside the clone and is keyed on paths relative to it, so a fresh clone on
# the same machine compiles nothing it compiled before.
tree_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export CCACHE_BASEDIR=$tree_repo CCACHE_NOHASHDIR=1
tree_options=(-G Ninja -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# clang with AddressSanitizer, UBSan and libFuzzer coverage: the unit tests and
# the fuzz targets come from this one tree. -O1 keeps the stack traces exact
# and runs the stress, window and replay tests faster than -O0; assertions stay.
configure_sanitizer_tree() {
  CC=clang CXX=clang++ cmake -S "$tree_repo" -B "$1" "${tree_options[@]}" \
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_FLAGS_DEBUG="-O1 -g" -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
    -DTOLVO_SANITIZE=ON -DTOLVO_FUZZ=ON > /dev/null
}

# gcc with ThreadSanitizer, for the thread stress tests.
configure_tsan_tree() {
  cmake -S "$tree_repo" -B "$1" "${tree_options[@]}" -DCMAKE_BUILD_TYPE=Debug -DTOLVO_TSAN=ON \
    > /dev/null
}

# gcc, optimised: the module that ships, its tests, the host check and packages.
configure_release_tree() {
  cmake -S "$tree_repo" -B "$1" "${tree_options[@]}" -DCMAKE_BUILD_TYPE=Release > /dev/null
}

# mingw-w64 for the Windows module, its tests and tolvo-host, over a libpng
# built beforehand into the given folder.
configure_windows_tree() {
  cmake -S "$tree_repo" -B "$1" "${tree_options[@]}" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$tree_repo/cmake/toolchain-mingw64.cmake" \
    -DTOLVO_MINGW_LIBPNG_DIR="$2" > /dev/null
}
