#!/usr/bin/env bash
# The LV2 bundle's checks with the LV2 tools: lv2_validate, what lv2info reads,
# lv2apply renders against the gain law and against tolvo-host render of the
# VST 2 module with the same settings, the editor embedded by jalv, and
# lv2bench's figure. One line per
# case, then "N passed, M failed"; the exit status is 1 when a case failed.
#
#   tools/lv2-check.sh [BUILD_BIN]      (default build/release/bin)
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bin=$(realpath "${1:-build/release/bin}")
bundle=$bin/Tolvo.lv2
host=$bin/tolvo-host
uri=urn:corvath:tolvo
work=$root/build/lv2-check
verify=$root/tools/lv2-check/lv2verify.py
# Two seconds of the check signal at 44.1 kHz.
signal_length=88200
# lv2bench: 100 s of audio at 44.1 kHz in blocks of 512.
bench_block=512
bench_frames=4410000

for tool in lv2_validate lv2info lv2apply lv2bench jalv.gtk3 jackd Xvfb; do
  if ! command -v "$tool" > /dev/null; then
    echo "lv2 check: $tool is missing (run tools/setup.sh)"
    exit 1
  fi
done
if [ ! -f "$bundle/manifest.ttl" ] || [ ! -x "$host" ]; then
  echo "lv2 check: no bundle or tolvo-host in $bin"
  exit 1
fi

rm -rf "$work"
mkdir -p "$work/path" "$work/renders" "$work/config"
ln -s "$bundle" "$work/path/Tolvo.lv2"
export LV2_PATH=$work/path
# No preferences file of the user's reaches the instances.
export XDG_CONFIG_HOME=$work/config

# shellcheck source=tools/ci/cases.sh
source "$root/tools/ci/cases.sh"

check() {
  record_command "$1" python3 "$verify" "${@:2}"
}

lv2_validate "$bundle"/*.ttl > "$work/validate.log" 2>&1
record validate $? "$(grep -v '^Skipping' "$work/validate.log" | tail -n 1)"

info=$(lv2info "$uri" 2>&1)
symbols=$(sed -n 's/^\t\tSymbol: *//p' <<< "$info" | paste -sd, -)
expected=in,out,gain,trim,phase,mute,bypass,input_level,output_level,input_rms,output_rms
[ "$symbols" = "$expected" ]
record ports $? "lv2info reads $symbols"
grep -q 'Class:  http://lv2plug.in/ns/extensions/ui#X11UI' <<< "$info"
record ui $? "lv2info lists the X11 UI"

python3 "$verify" signal "$work/signal.wav" "$signal_length" > /dev/null
# name=lv2apply controls=tolvo-host options=gain dB,trim dB,phase,mute,bypass
cases=(
  "gain-6|-c gain -6|--gain -6|-6,0,0,0,0"
  "gain0|-c gain 0|--gain 0|0,0,0,0,0"
  "gain+12|-c gain 12|--gain 12|12,0,0,0,0"
  "gain-90|-c gain -90|--gain -inf|-90,0,0,0,0"
  "trim+6|-c trim 6|--trim 6|0,6,0,0,0"
  "phase|-c phase 1|--phase|0,0,1,0,0"
  "mute|-c mute 1|--mute|0,0,0,1,0"
  "bypass-gain-20|-c bypass 1 -c gain -20|--bypass --gain -20|-20,0,0,0,1"
)
for case in "${cases[@]}"; do
  IFS='|' read -r name controls options values <<< "$case"
  lv2_out=$work/renders/$name-lv2.wav
  vst_out=$work/renders/$name-vst.wav
  # shellcheck disable=SC2086 # the controls are words
  if ! lv2apply -i "$work/signal.wav" -o "$lv2_out" $controls "$uri" > "$work/$name.log" 2>&1; then
    record "render-$name" 1 "lv2apply failed: $(tail -n 1 "$work/$name.log")"
    continue
  fi
  check "law-$name" law "$lv2_out" "$values"
  # shellcheck disable=SC2086
  if "$host" render "$work/signal.wav" "$vst_out" $options > /dev/null 2>&1; then
    check "vst2-$name" same "$lv2_out" "$vst_out"
  else
    record "vst2-$name" 1 "tolvo-host render failed"
  fi
done

record_steps jalv-editor jalv-port-moves-fader \
  bash "$root/tools/lv2-check/jalv-editor.sh" "$work/jalv"

# lv2bench prints block size, frames and seconds: the figure is the time per sample.
read -r block frames seconds _ < <(lv2bench -f -b "$bench_block" -n "$bench_frames" "$uri" 2>&1 \
  | grep -v '^#' | tail -n 1)
if [ "${frames:-}" = "$bench_frames" ]; then
  record lv2bench 0 "$(awk -v s="$seconds" -v n="$frames" -v b="$block" \
    'BEGIN { printf "%.1f ns per sample in blocks of %d", s * 1e9 / n, b }')"
else
  record lv2bench 1 "lv2bench gave no figure"
fi

finish_cases
