#!/usr/bin/env bash
# The main job: set up, build the Linux plug-in, install it for the current
# user and open it in tolvo-host: its editor in a window when a display is
# available, otherwise a test tone rendered through it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
source tools/ci/trees.sh
configure_release_tree build/release
cmake --build build/release -j"$(nproc)"

cmake --install build/release > /dev/null
plugin="$(sed -n 's/^TOLVO_VST_DIR:PATH=//p' build/release/CMakeCache.txt)/Tolvo.so"
echo "installed $plugin"

host=build/release/bin/tolvo-host
"$host" info --plugin "$plugin"

if [ -n "${DISPLAY:-}" ] && "$host" editor --plugin "$plugin" --seconds 0.2 > /dev/null 2>&1; then
  echo "opening the editor; close its window to end"
  "$host" editor --plugin "$plugin"
else
  mkdir -p build/demo
  "$host" tone build/demo/tone.wav
  "$host" render build/demo/tone.wav build/demo/tone-minus6.wav --plugin "$plugin" --gain -6
  echo "no display: rendered build/demo/tone.wav through the plug-in into build/demo/tone-minus6.wav"
fi
