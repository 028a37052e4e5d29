#!/usr/bin/env bash
# The main job: set up, build the Linux plug-in, install it for the current
# user and load it in tolvo-host.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build/release -j"$(nproc)"

mkdir -p "$HOME/.vst"
install -m 0755 build/release/bin/Tolvo.so "$HOME/.vst/Tolvo.so"
echo "installed $HOME/.vst/Tolvo.so"

build/release/bin/tolvo-host info --plugin "$HOME/.vst/Tolvo.so"
