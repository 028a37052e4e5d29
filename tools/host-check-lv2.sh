#!/usr/bin/env bash
# The real-host check of the LV2 edition: Ardour 7 finds the built Tolvo.lv2,
# renders the check signal through it in a session for several port settings,
# saves the session and reopens it in a new process with every value of the
# state block restored, and shows its editor, where a click on Flip reaches
# the session Ardour saves. One line per case, then
# "N passed, M failed"; the exit status is 1 when a case failed.
#
#   tools/host-check-lv2.sh [BUNDLE]      (default build/release/bin/Tolvo.lv2)
#
# Everything runs in build/host-check-lv2 with a fresh HOME, so no user
# setting or preferences file is read or written.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bundle=$(realpath "${1:-build/release/bin/Tolvo.lv2}")
work=$root/build/host-check-lv2
lv2verify=$root/tools/lv2-check/lv2verify.py
if [ ! -f "$bundle/manifest.ttl" ]; then
  echo "host check: no LV2 bundle at $bundle"
  exit 1
fi
# shellcheck source=tools/host-check/ardour-home.sh
source "$root/tools/host-check/ardour-home.sh"
started=$(date +%s)
mkdir -p "$work/lv2"
cp -r "$bundle" "$work/lv2/Tolvo.lv2"
export LV2_PATH=$work/lv2 TOLVO_PLUGIN_FORMAT=lv2

# law NAME WAV VALUES: the export equals the gain law for port values in dB.
law() {
  record_command "$1" python3 "$lv2verify" law "$2" "$3"
}

# --- rendering: name=gain dB,trim dB,phase,mute,bypass ---
render_cases=(
  gain-6=-6,0,0,0,0
  gain0=0,0,0,0,0
  gain12=12,0,0,0,0
  gain-90=-90,0,0,0,0
  trim6=0,6,0,0,0
  phase=0,0,1,0,0
  mute=0,0,0,1,0
  bypass-gain-20=-20,0,0,0,1
)
# The ports the session is saved with: Gain, Trim and Phase away from their defaults.
saved_ports=-10.5,7.2,1,0,0
saved_values=$(python3 "$lv2verify" normalized "$saved_ports")
session_dir=$work/session
if ardour_lua create 120 create "$session_dir" check "$work/exports" "${render_cases[@]}" \
    "saved=$saved_ports"; then
  names=$(sed -n 's/^param [0-9]* //p' "$work/logs/create" | paste -sd, -)
  [[ $names == *Gain,Trim,Phase,Mute,Bypass,Input\ Level,Output\ Level,Input\ RMS,Output\ RMS ]]
  record ports $? "Ardour lists $names"
  for case in "${render_cases[@]}"; do
    law "render-${case%%=*}" "$work/exports/${case%%=*}.wav" "${case#*=}"
  done
  verify state-saved block "$session_dir/check.ardour" 0 13 "$saved_values,0,0,0,2,2,0,0,0,0"
else
  record session 1 "creating, rendering and saving failed: $(tail -n 1 "$work/logs/create")"
fi

# --- reopening: the saved parameters with Pre, Fine and every settings word but the trim
# range away from its default; Ardour's stored port values stay as it saved them ---
distinct_block=$saved_values,1,1,1,0,2,2,1,1,1
check_reloaded_audio() {
  law state-reload-audio "$1" "$saved_ports"
}
if [ -f "$session_dir/check.ardour" ]; then
  record_command state-edit python3 "$lv2verify" edit "$session_dir/check.ardour" "$distinct_block"
  reopen_session "$distinct_block"
  # --- the editor inside Ardour's GUI ---
  show_editor "$lv2verify flipped"
fi

echo "host check took $(($(date +%s) - started)) s"
finish_cases
