#!/usr/bin/env bash
# The editor case of the host check: Ardour's GUI, on a private Xvfb, opens a
# copy of the check session with Tolvo's editor window marked open; the
# embedded editor window (265 x 534, or wider where the host widens it) is
# found in the X window tree, its 265 x 534 captured, and compared with the
# panel image where no control draws. Prints one line. With FLIP_CHECK, Flip
# is then clicked and the session saved from Ardour's window, and the saved
# session must pass that verify command (a second line).
#
#   editor-check.sh SESSION_FILE WORK_DIR [FLIP_CHECK]
#
# Runs in the environment tools/host-check.sh sets up (HOME, Ardour's
# variables, the plug-in folder).
set -uo pipefail
session_file=$1
work=$2
# A verify command (words) the saved session must pass after a click on Flip and a save;
# none skips that step.
flip_check=${3:-}
# Flip's middle, in editor coordinates.
flip_x=205
flip_y=306
scripts=$(cd "$(dirname "$0")" && pwd)
wait_seconds=60

rm -rf "$work"
mkdir -p "$work"
cp -a "$(dirname "$session_file")" "$work/session"
session=$work/session/$(basename "$session_file")
if ! message=$(python3 "$scripts/verify.py" show-editor "$session"); then
  echo "$message"
  exit 1
fi

# The Dummy backend starts without the Audio/MIDI dialog, and the GUI indexes
# the plug-in folder at start instead of asking.
cat > "$HOME/.config/ardour7/config" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<Ardour>
  <Config>
    <Option name="hide-dummy-backend" value="0"/>
    <Option name="try-autostart-engine" value="1"/>
    <Option name="discover-plugins-on-start" value="1"/>
  </Config>
  <Extra>
    <AudioMIDISetup>
      <EngineStates>
        <State backend="None (Dummy)" driver="Normal Speed" device="Silence" input-device="" output-device="" sample-rate="48000" buffer-size="1024" n-periods="0" input-latency="0" output-latency="0" lm-input="" lm-output="" active="1" use-buffered-io="0" midi-option="1 in, 1 out, Silence" lru="1">
          <MIDIDevices/>
        </State>
      </EngineStates>
    </AudioMIDISetup>
  </Extra>
</Ardour>
EOF

# shellcheck source=tools/host-check/editor-window.sh
source "$scripts/editor-window.sh"
start_display 1600x1000x24 || exit 1
start_background "$work/ardour.log" \
  timeout 90 /usr/bin/ardour --no-splash --no-announcements "$session"
# The plug-in window Ardour opens is titled with the plug-in's name and maker.
wait_for_editor "$work/ardour.log" '/"[^"]*Tolvo \(by Corvath\)[^"]*"/' "$wait_seconds" || exit 1
message=$(check_panel)
status=$?
echo "editor window $editor after ${opened} s; $message"
[ "$status" -eq 0 ] || exit 1
[ -n "$flip_check" ] || exit 0

# A click on Flip, then Ctrl+S in Ardour's main window: the saved session holds the
# flipped phase in Ardour's own value and in the block.
saved=$(stat -c %Y "$session")
xdotool mousemove --window "$editor" "$flip_x" "$flip_y" click 1
sleep 1
main=$(xwininfo -root -children 2> /dev/null | awk '/"[*]?[^"]* - Ardour"/ { print $1; exit }')
xdotool windowfocus "$main" && sleep 0.5 && xdotool key ctrl+s
for _ in $(seq 20); do
  [ "$(stat -c %Y "$session")" != "$saved" ] && break
  sleep 0.5
done
# shellcheck disable=SC2086 # the check is words
message=$(python3 $flip_check "$session" 2>&1)
status=$?
echo "a click on Flip, saved: $message"
exit $status
