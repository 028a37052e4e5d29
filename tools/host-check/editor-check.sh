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
panel=$scripts/../../resources/123-panel.png
editor_width=265
editor_height=534
editor_size=${editor_width}x${editor_height}
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

xvfb_pid=
ardour_pid=
cleanup() {
  [ -n "$ardour_pid" ] && kill "$ardour_pid" 2> /dev/null && wait "$ardour_pid" 2> /dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2> /dev/null && wait "$xvfb_pid" 2> /dev/null
}
trap cleanup EXIT

Xvfb -displayfd 1 -screen 0 1600x1000x24 -nolisten tcp > "$work/display" 2> "$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 50); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
if [ ! -s "$work/display" ]; then
  echo "Xvfb did not start: $(tail -n 1 "$work/xvfb.log")"
  exit 1
fi
export DISPLAY=:$(head -n 1 "$work/display")

timeout 90 /usr/bin/ardour --no-splash --no-announcements "$session" > "$work/ardour.log" 2>&1 &
ardour_pid=$!

# The plug-in window Ardour opens is titled with the plug-in's name; the
# editor is the child window of exactly the editor's size inside it.
editor=
started=$(date +%s)
while [ $(($(date +%s) - started)) -lt $wait_seconds ]; do
  if ! kill -0 "$ardour_pid" 2> /dev/null; then
    echo "Ardour ended before the editor showed: $(tail -n 1 "$work/ardour.log")"
    exit 1
  fi
  toplevel=$(xwininfo -root -children 2> /dev/null | awk '/"[^"]*Tolvo \(by Corvath\)[^"]*"/ { print $1; exit }')
  if [ -n "$toplevel" ]; then
    # The deepest window of the editor's height and at least its width: a host may widen
    # the editor's window to its own (Ardour does for LV2 UIs).
    editor=$(xwininfo -id "$toplevel" -tree 2> /dev/null \
      | awk -v width="$editor_width" -v height="$editor_height" '
          match($0, / [0-9]+x[0-9]+\+/) {
            split(substr($0, RSTART + 1, RLENGTH - 2), size, "x")
            if (size[2] == height && size[1] >= width) window = $1
          }
          END { print window }')
    [ -n "$editor" ] && break
  fi
  sleep 1
done
if [ -z "$editor" ]; then
  echo "no editor window of at least ${editor_size} inside a Tolvo plug-in window after ${wait_seconds} s"
  exit 1
fi
opened=$(($(date +%s) - started))

# A few editor idles draw the window fully before it is captured.
sleep 2
if ! import -window "$editor" -crop "${editor_size}+0+0" +repage "$work/editor.png" 2> "$work/import.log"; then
  echo "capturing window $editor failed: $(tail -n 1 "$work/import.log")"
  exit 1
fi
message=$(python3 "$scripts/verify.py" panel "$work/editor.png" "$panel")
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
