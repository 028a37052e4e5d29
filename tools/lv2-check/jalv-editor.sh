#!/usr/bin/env bash
# The editor in a real LV2 UI host: jalv.gtk3 on a private Xvfb and a private
# JACK server on its dummy driver runs the bundle and embeds the editor; the
# 265 x 534 window is found in jalv's window, captured, and compared with the
# panel image where no control draws. Prints one line.
#
#   jalv-editor.sh WORK_DIR      (LV2_PATH must lead to the bundle)
set -uo pipefail
work=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
wait_seconds=30

rm -rf "$work"
mkdir -p "$work"
# shellcheck source=tools/host-check/editor-window.sh
source "$root/tools/host-check/editor-window.sh"
# A server name of its own, so no other JACK server on the machine is used.
export JACK_DEFAULT_SERVER=tolvo-lv2-check-$$
start_background "$work/jackd.log" jackd --no-realtime -d dummy -r 48000 -p 1024
start_display 1024x768x24 || exit 1
sleep 1
start_background "$work/jalv.log" jalv.gtk3 urn:corvath:tolvo
wait_for_editor "$work/jalv.log" '/"Tolvo": \("jalv/' "$wait_seconds" || exit 1
message=$(check_panel)
status=$?
echo "jalv.gtk3 embeds the editor as window $editor after ${opened} s; $message"
exit $status
