#!/usr/bin/env bash
# The package check: cpack makes the Debian package from the release build and
# the Windows zip from the Windows build; the package is installed with dpkg,
# Ardour's scanner finds the installed plug-in in /usr/lib/vst, lv2info finds
# the LV2 bundle in /usr/lib/lv2, and the package is removed again. One line
# per case, then "N passed, M failed".
#
#   tools/package-check.sh [RELEASE_BUILD] [WINDOWS_BUILD]
#        (defaults build/release and build/windows; the builds must exist)
set -uo pipefail
cd "$(dirname "$0")/.."
release=${1:-build/release}
windows=${2:-build/windows}
scripts=$PWD/tools/host-check
work=$PWD/build/package-check
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$release/CMakeCache.txt")
installed=/usr/lib/vst/Tolvo.so
installed_lv2=/usr/lib/lv2/Tolvo.lv2

run_as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# shellcheck source=tools/ci/cases.sh
source "$PWD/tools/ci/cases.sh"

rm -rf "$work"
mkdir -p "$work/home"

deb=$release/packages/tolvo_${version}_amd64.deb
rm -f "$deb"
(cd "$release" && cpack > "$work/cpack-deb.log" 2>&1)
if [ -f "$deb" ]; then
  contents=$(dpkg-deb -c "$deb" | awk '{ print $6 }' | grep -v '/$' | paste -sd, -)
  depends=$(dpkg-deb -f "$deb" Depends)
  expected=./usr/lib/lv2/Tolvo.lv2/Tolvo.so,./usr/lib/lv2/Tolvo.lv2/Tolvo.ttl
  expected+=,./usr/lib/lv2/Tolvo.lv2/manifest.ttl,./usr/lib/vst/Tolvo.so
  [ "$(tr , '\n' <<< "$contents" | sort | paste -sd, -)" = "$expected" ] \
    && [[ $depends == *libcairo2* ]]
  record deb-package $? "$(basename "$deb"): $contents; depends on $depends"
else
  record deb-package 1 "no $deb: $(tail -n 1 "$work/cpack-deb.log")"
fi

zip=$windows/packages/Tolvo-${version}-win64.zip
if [ -f "$windows/CPackConfig.cmake" ]; then
  rm -f "$zip"
  (cd "$windows" && cpack > "$work/cpack-zip.log" 2>&1)
  listing=$(python3 -c 'import sys, zipfile; print(",".join(sorted(zipfile.ZipFile(sys.argv[1]).namelist())))' "$zip" 2>&1)
  [ "$listing" = "README.txt,Tolvo.dll" ]
  record windows-zip $? "$(basename "$zip"): $listing"
else
  record windows-zip 1 "no Windows build in $windows"
fi

if [ -f "$deb" ] && [ -e "$installed" ] && ! dpkg-query -W tolvo > /dev/null 2>&1; then
  record deb-install 1 "$installed exists outside the package; not touching it"
elif [ -f "$deb" ]; then
  run_as_root dpkg -i "$deb" > "$work/dpkg-install.log" 2>&1
  [ -f "$installed" ]
  record deb-install $? "dpkg -i put $(ls -l "$installed" 2>/dev/null | awk '{ print $1, $5 }') at $installed"

  cache_dir=$work/home/.cache/ardour7/vst
  if timeout 30 env HOME="$work/home" XDG_CACHE_HOME="$work/home/.cache" XDG_CONFIG_HOME="$work/home/.config" \
      ARDOUR_FPU_FLAGS=0 LD_LIBRARY_PATH=/usr/lib/ardour7 \
      /usr/lib/ardour7/ardour-vst-scanner -f "$installed" > "$work/scan.log" 2>&1; then
    cache=$(find "$cache_dir" -name '*.v2i' 2>/dev/null | head -n 1)
    message=$(python3 "$scripts/verify.py" scan "${cache:-missing-scan-cache}" 2>&1)
    record deb-scan $? "Ardour's scanner on $installed: $message"
  else
    record deb-scan 1 "the scanner failed on $installed: $(tail -n 1 "$work/scan.log")"
  fi

  # LV2 hosts find the bundle in the system's folder: lilv's default path, no LV2_PATH.
  lv2_symbols=$(env -u LV2_PATH HOME="$work/home" lv2info urn:corvath:tolvo 2>&1 \
    | sed -n 's/^\t\tSymbol: *//p' | paste -sd, -)
  lv2_bundle=$(env -u LV2_PATH HOME="$work/home" lv2info urn:corvath:tolvo 2>&1 \
    | sed -n 's/^\tBundle: *//p')
  [ "$lv2_bundle" = "file://$installed_lv2/" ] && [ -n "$lv2_symbols" ]
  record deb-lv2 $? "lv2info reads ${lv2_bundle:-nothing} with ports $lv2_symbols"

  run_as_root dpkg -r tolvo > "$work/dpkg-remove.log" 2>&1
  [ ! -e "$installed" ] && [ ! -e "$installed_lv2" ]
  record deb-remove $? "dpkg -r tolvo left $(ls /usr/lib/vst 2>/dev/null | wc -l) files in /usr/lib/vst, $(ls "$installed_lv2" 2>/dev/null | wc -l) in $installed_lv2"
fi

finish_cases
