#!/usr/bin/env bash
# The editor in a real LV2 UI host: jalv.gtk3 on a private Xvfb and a private
# JACK server on its dummy driver runs the bundle and embeds the editor; the
# 265 x 534 window is found in jalv's window, captured, and compared with the
# panel image where no control draws (one line); then a preset chosen from
# jalv's menu sets the Gain port, and the fader must move (a second line).
#
#   jalv-editor.sh WORK_DIR      (LV2_PATH must lead to the bundle)
set -uo pipefail
work=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
wait_seconds=30
# Where jalv's Presets menu and its first preset item are, in its window.
presets_menu_x=70
presets_menu_y=12
preset_item_x=110
preset_item_y=88
# The fader's rectangle in the editor, as width x height + left + top.
fader_area=96x401+57+48

rm -rf "$work"
mkdir -p "$work"
# shellcheck source=tools/host-check/editor-window.sh
source "$root/tools/host-check/editor-window.sh"
# A server name of its own, so no other JACK server on the machine is used.
export JACK_DEFAULT_SERVER=tolvo-lv2-check-$$
start_background "$work/jackd.log" jackd --no-realtime -d dummy -r 48000 -p 1024
start_display 1024x768x24 || exit 1
sleep 1
# A preset of this check's own sets the Gain port to -90 dB (-oo) from jalv's menu.
presets=$work/presets/tolvo-check-presets.lv2
mkdir -p "$presets"
cat > "$presets/manifest.ttl" <<'TTL'
@prefix lv2: <http://lv2plug.in/ns/lv2core#> .
@prefix pset: <http://lv2plug.in/ns/ext/presets#> .
@prefix rdfs: <http://www.w3.org/2000/01/rdf-schema#> .

<urn:corvath:tolvo-check#silence>
	a pset:Preset ;
	lv2:appliesTo <urn:corvath:tolvo> ;
	rdfs:label "Check silence" ;
	lv2:port [
		lv2:symbol "gain" ;
		pset:value -90.0
	] .
TTL
export LV2_PATH=$LV2_PATH:$work/presets

start_background "$work/jalv.log" jalv.gtk3 urn:corvath:tolvo
wait_for_editor "$work/jalv.log" '/"Tolvo": \("jalv/' "$wait_seconds" || exit 1
message=$(check_panel)
status=$?
echo "jalv.gtk3 embeds the editor as window $editor after ${opened} s; $message"
[ "$status" -eq 0 ] || exit 1

# The preset, chosen from jalv's Presets menu (its title and first preset item, in the
# window's coordinates), moves the fader: the fader's pixels change.
xdotool mousemove --window "$toplevel" "$presets_menu_x" "$presets_menu_y" click 1
sleep 0.7
xdotool mousemove --window "$toplevel" "$preset_item_x" "$preset_item_y" click 1
sleep 1.5
import -window "$editor" "$work/after-preset.png" 2> "$work/import.log"
changed=$(compare -metric AE -extract "$fader_area" "$work/editor.png" "$work/after-preset.png" \
  null: 2>&1)
[ "${changed:-0}" -gt 0 ] 2> /dev/null
status=$?
echo "the Gain port set to -90 dB by a jalv preset changed $changed pixels of the fader"
exit $status
