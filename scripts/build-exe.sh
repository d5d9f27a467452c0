#!/usr/bin/env bash
# Cross-builds corvane.exe with mingw-w64 into <build>/mingw (default build/),
# libjpeg-turbo included; extra arguments go to the build tool.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${CORVANE_BUILD:-$root/build}
cmake -S "$root" -B "$build/mingw" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
cmake --build "$build/mingw" --target corvane "$@"
