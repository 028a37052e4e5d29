#!/usr/bin/env bash
# Builds a static libpng for the Windows cross build from Debian's source
# package. libpng is not packaged for mingw-w64, so the source package is
# fetched through a private apt configuration that reads the machine's own
# Debian sources as deb-src entries; the system's apt state is not touched.
#
# Usage: tools/ci/build-mingw-libpng.sh <outdir>
#        tools/ci/build-mingw-libpng.sh --folder
# Result: <outdir>/install/{include,lib/libpng16.a}. A finished build is kept
# and reused. --folder prints the shared place for one: a cache folder outside
# any clone, named after the version of the machine's own libpng, whose source
# package is the one fetched first.
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: $0 <outdir> | --folder" >&2
  exit 2
fi

machine_version=$(dpkg-query -W -f='${source:Version}' libpng-dev 2>/dev/null || true)
if [ "$1" = --folder ]; then
  echo "${XDG_CACHE_HOME:-$HOME/.cache}/tolvo/mingw-libpng/${machine_version:-unknown}"
  exit 0
fi

repo=$(cd "$(dirname "$0")/../.." && pwd)
mkdir -p "$1"
out=$(cd "$1" && pwd)
install="$out/install"
stamp="$install/.complete"
if [ -f "$stamp" ]; then
  echo "libpng for mingw already built in $install"
  exit 0
fi

system_sources=/etc/apt/sources.list.d/debian.sources
if [ ! -f "$system_sources" ]; then
  echo "missing $system_sources: cannot derive the source package location" >&2
  exit 1
fi

apt_root="$out/apt"
rm -rf "$apt_root"
mkdir -p "$apt_root/sources.list.d" "$apt_root/lists/partial" "$apt_root/cache/archives/partial"
sed 's/^Types:.*/Types: deb-src/' "$system_sources" > "$apt_root/sources.list.d/debian-src.sources"

apt_options=(
  -o "Dir::Etc::SourceList=/dev/null"
  -o "Dir::Etc::SourceParts=$apt_root/sources.list.d"
  -o "Dir::State::Lists=$apt_root/lists"
  -o "Dir::Cache=$apt_root/cache"
  -o "APT::Sandbox::User=$(id -un)"
  -o "Debug::NoLocking=true"
)
apt-get "${apt_options[@]}" -qq update

src="$out/src"
rm -rf "$src"
mkdir -p "$src"
# The machine's own version first, then newest first; an older one serves when
# a mirror lacks the newest (security updates are not on every mirror).
versions=$(apt-cache "${apt_options[@]}" showsrc libpng1.6 | sed -n 's/^Version: //p' | sort -V -r -u)
if [ -n "$machine_version" ] && grep -qxF "$machine_version" <<< "$versions"; then
  versions=$(printf '%s\n%s\n' "$machine_version" "$(grep -vxF "$machine_version" <<< "$versions")")
fi
dsc=""
for version in $versions; do
  if (cd "$src" && apt-get "${apt_options[@]}" -qq source --download-only "libpng1.6=$version"); then
    dsc="$src/libpng1.6_$version.dsc"
    break
  fi
  echo "libpng1.6 $version could not be fetched; trying the next older version" >&2
done
if [ -z "$dsc" ]; then
  echo "could not fetch the libpng1.6 source package" >&2
  exit 1
fi
echo "libpng1.6 source package $version"
dpkg-source --no-check -x "$dsc" "$src/libpng" > /dev/null

zlib_root=/usr/x86_64-w64-mingw32
cmake -S "$src/libpng" -B "$out/build" \
  -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchain-mingw64.cmake" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$install" \
  -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
  -DZLIB_LIBRARY="$zlib_root/lib/libz.a" \
  -DZLIB_INCLUDE_DIR="$zlib_root/include" > /dev/null
cmake --build "$out/build" -j2 > /dev/null
cmake --install "$out/build" > /dev/null
echo "$version" > "$stamp"
echo "libpng $version for mingw built in $install"
