#!/usr/bin/env bash
# Builds a static libjpeg-turbo for 64-bit Windows from Debian's source package,
# because Debian ships no mingw build of it. Usage:
#   build-libjpeg-mingw.sh <install-dir> [toolchain-file]
# Leaves <install-dir>/include/{jpeglib,jconfig,jmorecfg,jerror}.h and
# <install-dir>/lib/libjpeg.a. Does nothing when they are already there.
# Set LIBJPEG_TURBO_TARBALL to an orig tarball to skip the download.
set -euo pipefail

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  echo "usage: $0 <install-dir> [toolchain-file]" >&2
  exit 2
fi

here=$(cd "$(dirname "$0")" && pwd)
install_dir=$(realpath -m "$1")
toolchain=$(realpath "${2:-$here/../cmake/mingw-w64.cmake}")
work="$install_dir.work"
log="$work/build.log"

installed() {
  [ -f "$install_dir/lib/libjpeg.a" ] && [ -f "$install_dir/include/jpeglib.h" ]
}

installed && exit 0

mkdir -p "$work"
# Two configures of the same build tree must not build into each other.
exec 9>"$work/lock"
flock 9
installed && exit 0

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

fail() {
  echo "libjpeg-turbo for mingw: $1 failed; last lines of $log:" >&2
  tail -n 40 "$log" >&2
  exit 1
}

# apt-get source needs a deb-src twin of the machine's binary sources.
ensure_deb_src() {
  local binary=/etc/apt/sources.list.d/debian.sources
  local twin=/etc/apt/sources.list.d/corvane-deb-src.sources
  if grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    return 0
  fi
  if [ -f "$binary" ]; then
    sed -E 's/^Types:.*/Types: deb-src/' "$binary" | "${sudo_cmd[@]}" tee "$twin" > /dev/null
  elif grep -qs '^deb ' /etc/apt/sources.list; then
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list |
      "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/corvane-deb-src.list > /dev/null
  else
    echo "no deb-src entry and no Debian binary source to copy one from" >> "$log"
    return 1
  fi
  "${sudo_cmd[@]}" apt-get update -q >> "$log" 2>&1
}

fetch_tarball() {
  if [ -n "${LIBJPEG_TURBO_TARBALL:-}" ]; then
    echo "$LIBJPEG_TURBO_TARBALL"
    return 0
  fi
  local dl="$work/download"
  rm -rf "$dl" && mkdir -p "$dl"
  ensure_deb_src || return 1
  # Package lists may be stale or missing even when deb-src is configured.
  if ! (cd "$dl" && apt-get source --download-only libjpeg-turbo) >> "$log" 2>&1; then
    "${sudo_cmd[@]}" apt-get update -q >> "$log" 2>&1 || return 1
    (cd "$dl" && apt-get source --download-only libjpeg-turbo) >> "$log" 2>&1 || return 1
  fi
  ls "$dl"/libjpeg-turbo_*.orig.tar.* | head -n 1
}

echo "Building static libjpeg-turbo for mingw into $install_dir (log: $log)"
: > "$log"
tarball=$(fetch_tarball) || fail "fetching the source package"

src="$work/src"
build="$work/build"
rm -rf "$src" "$build" && mkdir -p "$src"
tar -xf "$tarball" -C "$src" --strip-components=1 >> "$log" 2>&1 || fail "unpacking $tarball"

generator=()
command -v ninja > /dev/null && generator=(-G Ninja)
cmake -S "$src" -B "$build" "${generator[@]}" \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$install_dir" \
  -DCMAKE_ASM_NASM_COMPILER=nasm \
  -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
  -DWITH_TURBOJPEG=OFF -DWITH_SIMD=ON -DREQUIRE_SIMD=ON \
  >> "$log" 2>&1 || fail "configuring"
# Only the library: the command-line tools and test programs are not needed.
cmake --build "$build" --target jpeg-static --parallel "$(nproc)" >> "$log" 2>&1 || fail "compiling"

# Install into a staging folder first so an interrupted run never looks finished.
stage="$install_dir.stage"
rm -rf "$stage" && mkdir -p "$stage/include" "$stage/lib"
cp "$src/jpeglib.h" "$src/jmorecfg.h" "$src/jerror.h" "$build/jconfig.h" "$stage/include/"
cp "$build/libjpeg.a" "$stage/lib/"
rm -rf "$install_dir"
mv "$stage" "$install_dir"
rm -rf "$src" "$build" "$work/download"
echo "libjpeg-turbo for mingw ready"
