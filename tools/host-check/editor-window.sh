# Finding and checking Tolvo's editor inside a real host's window, for the editor checks:
# source it with work set. Processes started through start_background end with the script.
editor_width=265
editor_height=534
editor_size=${editor_width}x${editor_height}
editor_panel=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/resources/123-panel.png
editor_verify=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/verify.py

background_pids=()
stop_background() {
  local index
  for ((index = ${#background_pids[@]} - 1; index >= 0; index--)); do
    kill "${background_pids[index]}" 2> /dev/null && wait "${background_pids[index]}" 2> /dev/null
  done
}
trap stop_background EXIT

# start_background LOG COMMAND...: runs the command in the background, output to LOG.
start_background() {
  local log=$1
  shift
  "$@" > "$log" 2>&1 &
  background_pids+=($!)
}

# start_display SCREEN: a private Xvfb of that screen size becomes DISPLAY.
start_display() {
  Xvfb -displayfd 1 -screen 0 "$1" -nolisten tcp > "$work/display" 2> "$work/xvfb.log" &
  background_pids+=($!)
  for _ in $(seq 50); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  if [ ! -s "$work/display" ]; then
    echo "Xvfb did not start: $(tail -n 1 "$work/xvfb.log")"
    return 1
  fi
  export DISPLAY=:$(head -n 1 "$work/display")
}

# wait_for_editor HOST_LOG TOPLEVEL_PATTERN SECONDS: waits, while the host (the last
# process started) runs, for a top-level window whose line in xwininfo matches the awk
# pattern and holds the editor; sets toplevel, editor and opened (seconds). The editor is the deepest
# window of its height and at least its width: a host may widen the editor's window to its
# own (Ardour does for LV2 UIs).
wait_for_editor() {
  local log=$1 pattern=$2 seconds=$3 host_pid=${background_pids[-1]} started
  editor=
  started=$(date +%s)
  while [ $(($(date +%s) - started)) -lt "$seconds" ]; do
    if ! kill -0 "$host_pid" 2> /dev/null; then
      echo "the host ended before the editor showed: $(tail -n 1 "$log")"
      return 1
    fi
    toplevel=$(xwininfo -root -children 2> /dev/null | awk "$pattern"' { print $1; exit }')
    if [ -n "$toplevel" ]; then
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
    echo "no editor window of at least ${editor_size} in the host's window after ${seconds} s"
    return 1
  fi
  opened=$(($(date +%s) - started))
}

# check_panel: the editor's 265 x 534, captured after a few idles have drawn it, shows the
# panel image wherever no control draws. Prints what it found.
check_panel() {
  sleep 2
  if ! import -window "$editor" -crop "${editor_size}+0+0" +repage "$work/editor.png" \
      2> "$work/import.log"; then
    echo "capturing window $editor failed: $(tail -n 1 "$work/import.log")"
    return 1
  fi
  python3 "$editor_verify" panel "$work/editor.png" "$editor_panel"
}
