#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test Tolvo on Linux
# and to cross-build and test the Windows module under wine.
set -euo pipefail

packages=(
  build-essential cmake pkg-config git ninja-build ccache
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libpng-dev zlib1g-dev libcairo2-dev libx11-dev libxext-dev libxtst-dev libxfixes-dev libsndfile1-dev
  fonts-liberation fonts-dejavu-core imagemagick xvfb xauth
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 libz-mingw-w64-dev
  wine wine64 dpkg-dev
  ardour x11-utils python3
  clang libclang-rt-14-dev clang-format
  lv2-dev sordi lilv-utils jalv jackd2 xdotool
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
    || missing+=("$package")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

run_as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}
export DEBIAN_FRONTEND=noninteractive
run_as_root apt-get update -qq
run_as_root apt-get install -y -qq "${missing[@]}"
