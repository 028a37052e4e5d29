# What both host checks (VST 2 and LV2) set up before driving Ardour: source it with root
# and work set. It checks that Ardour is installed, makes a fresh HOME in $work with the
# check signal script and the export format, exports Ardour's environment without any
# plug-in path, and defines ardour_lua, the case helpers and the steps both checks share.
scripts=$root/tools/host-check
ardour_lib=/usr/lib/ardour7
scanner=$ardour_lib/ardour-vst-scanner
lua=$(command -v ardour7-lua || true)
for tool in "$scanner" "$lua" /usr/bin/ardour "$(command -v xdotool)"; do
  if [ ! -x "$tool" ]; then
    echo "host check: Ardour 7 is not installed (run tools/setup.sh)"
    exit 1
  fi
done

rm -rf "$work"
mkdir -p "$work/home/.config/ardour7/scripts" "$work/home/.config/ardour7/export" \
  "$work/exports" "$work/logs"
export HOME=$work/home
export XDG_CONFIG_HOME=$HOME/.config XDG_CACHE_HOME=$HOME/.cache XDG_DATA_HOME=$HOME/.local/share
# Ardour's SIMD routines misbehave on some AVX-512 machines; plain FPU code.
export ARDOUR_FPU_FLAGS=0
unset LXVST_PATH VST_PATH LADSPA_PATH LV2_PATH TOLVO_PLUGIN_FORMAT
# No first-run wizard for a fresh HOME.
touch "$HOME/.config/ardour7/.a7"
cp "$scripts/tolvo-signal.lua" "$HOME/.config/ardour7/scripts/"
cp "$scripts/tolvo-check.format" "$scripts/tolvo-check.preset" "$HOME/.config/ardour7/export/"

# shellcheck source=tools/ci/cases.sh
source "$root/tools/ci/cases.sh"

# verify NAME ARGS...: one case decided by verify.py.
verify() {
  record_command "$1" python3 "$scripts/verify.py" "${@:2}"
}

# ardour_lua LOG SECONDS ARGS...: one bounded ardour-lua run of session.lua.
ardour_lua() {
  local log=$1 seconds=$2
  shift 2
  timeout "$seconds" "$lua" "$scripts/session.lua" "$@" > "$work/logs/$log" 2>&1 \
    && grep -qx ok "$work/logs/$log"
}

# reopen_session BLOCK: reloads $session_dir/check.ardour in a new process and checks the
# export (through the caller's check_reloaded_audio WAV) and every word of the block.
reopen_session() {
  local block=$1 session=$session_dir/check.ardour
  if ardour_lua reload 60 reload "$session_dir" check "$work/exports" reloaded; then
    check_reloaded_audio "$work/exports/reloaded.wav"
    verify state-parameters block "$session" 0 4 "$block"
    verify state-settings-words block "$session" 7 13 "$block"
    verify state-pre-fine block "$session" 5 6 "$block"
  else
    record state-reload 1 "reloading failed: $(tail -n 1 "$work/logs/reload")"
  fi
}

# show_editor [FLIP_CHECK]: Ardour's GUI opens the session with the editor embedded; with
# FLIP_CHECK (see editor-check.sh) a click on Flip must reach the saved session.
show_editor() {
  local check=(bash "$scripts/editor-check.sh" "$session_dir/check.ardour" "$work/gui" "$@")
  if [ $# -gt 0 ]; then
    record_steps editor editor-flip "${check[@]}"
  else
    record_command editor "${check[@]}"
  fi
}
