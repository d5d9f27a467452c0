#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite:
# unit and scenario tests natively, the same under AddressSanitizer and
# UndefinedBehaviorSanitizer, short fuzzing runs, and the end-to-end tests of
# the real corvane.exe under Wine on a private Xvfb display.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${CORVANE_BUILD:-$root/build}
jobs=$(nproc)

step() { printf '\n=== %s ===\n' "$*"; }

step "Packages"
bash "$root/scripts/install-deps.sh"

step "corvane.exe (mingw-w64)"
CORVANE_BUILD=$build bash "$root/scripts/build-exe.sh" -j "$jobs"

step "Sanitizer build"
cmake -S "$root" -B "$build/sanitize" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_SANITIZE=ON >/dev/null
cmake --build "$build/sanitize" --target corvane_tests -j "$jobs"

step "Fuzz build (clang, libFuzzer)"
CC=clang CXX=clang++ cmake -S "$root" -B "$build/fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCORVANE_FUZZ=ON -DCORVANE_TESTS=OFF >/dev/null
cmake --build "$build/fuzz" -j "$jobs"

step "Native build"
cmake -S "$root" -B "$build/native" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCORVANE_EXE="$build/mingw/corvane.exe" >/dev/null
cmake --build "$build/native" -j "$jobs"

step "Unit and scenario tests under the sanitizers"
ctest --test-dir "$build/sanitize" --output-on-failure -j "$jobs" -E '^bench\.'

step "Fuzzing, short runs"
ctest --test-dir "$build/fuzz" --output-on-failure

step "Whole suite: unit, scenario, benchmarks' smoke run, end to end under Wine"
ctest --test-dir "$build/native" --output-on-failure -j "$jobs"
