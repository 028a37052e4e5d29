#!/usr/bin/env bash
# The real-host check: Ardour 7 scans the built Tolvo.so, renders a test
# signal through it in a session for several states, saves and reloads its
# state block in a new process, and shows its editor. One line per case, then
# "N passed, M failed"; the exit status is 1 when a case failed.
#
#   tools/host-check.sh [PLUGIN]      (default build/release/bin/Tolvo.so)
#
# Everything runs in build/host-check with a fresh HOME, so no user setting,
# scan cache or preferences file is read or written.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
plugin=$(realpath "${1:-build/release/bin/Tolvo.so}")
work=$root/build/host-check
if [ ! -f "$plugin" ]; then
  echo "host check: no plug-in at $plugin"
  exit 1
fi
# shellcheck source=tools/host-check/ardour-home.sh
source "$root/tools/host-check/ardour-home.sh"
started=$(date +%s)
mkdir -p "$work/vst"
export LXVST_PATH=$work/vst
# The scanner trusts a cache newer than the module: the copy is backdated.
cp "$plugin" "$work/vst/Tolvo.so"
touch -d '-10 seconds' "$work/vst/Tolvo.so"

# --- the scanner ---
scan_log=$work/logs/scan
if timeout 30 env LD_LIBRARY_PATH=$ardour_lib "$scanner" -f "$work/vst/Tolvo.so" > "$scan_log" 2>&1; then
  cache=$(find "$HOME/.cache/ardour7/vst" -name '*.v2i' 2>/dev/null | head -n 1)
  verify scan scan "${cache:-missing-scan-cache}"
else
  record scan 1 "the scanner failed: $(tail -n 1 "$scan_log")"
fi

# --- rendering: name=gain,trim,phase,mute,bypass, trim range word 2 (±36 dB) ---
render_cases=(
  gain-0.5=0.5,0.5,0,0,0
  gain-0.25=0.25,0.5,0,0,0
  gain-1=1,0.5,0,0,0
  gain-0=0,0.5,0,0,0
  trim-0.75=0.5,0.75,0,0,0
  phase=0.5,0.5,1,0,0
  mute=0.5,0.5,0,1,0
  bypass-gain-0=0,0.5,0,0,1
)
# The state the session is saved with: Gain, Trim and Phase away from their defaults.
saved_values=0.3,0.8,1,0,0
session_dir=$work/session
if ardour_lua create 120 create "$session_dir" check "$work/exports" "${render_cases[@]}" "saved=$saved_values"; then
  names=$(sed -n 's/^param [0-4] //p' "$work/logs/create" | paste -sd, -)
  [ "$names" = "Gain,Trim,Phase,Mute,Bypass" ]
  record parameters $? "Ardour lists $names"
  for case in "${render_cases[@]}"; do
    verify "render-${case%%=*}" render "$work/exports/${case%%=*}.wav" "${case#*=}" 2
  done
  verify state-saved block "$session_dir/check.ardour" 0 4 "$saved_values,0,0,0,2,2,0,0,0,0"
else
  record session 1 "creating, rendering and saving failed: $(tail -n 1 "$work/logs/create")"
fi

# --- reloading: a distinctive block, with the host's own stored values disagreeing ---
# Gain 0.3, Trim 0.8, Phase on, Pre and Fine on, every settings word away from
# its default (trim range word 0: ±12 dB).
distinct_block=$saved_values,1,1,1,0,0,2,1,1,1
check_reloaded_audio() {
  verify state-reload-audio render "$1" "$saved_values" 0
}
if [ -f "$session_dir/check.ardour" ]; then
  verify state-edit edit "$session_dir/check.ardour" "$distinct_block" 0.9,0.1,0,1,1
  reopen_session "$distinct_block"
  # --- the editor inside Ardour's GUI ---
  show_editor
fi

echo "host check took $(($(date +%s) - started)) s"
finish_cases
