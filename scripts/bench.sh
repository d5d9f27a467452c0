#!/usr/bin/env bash
# Builds the native Release benchmarks (reusing build/bench when it is there),
# runs all of them and Pillow's box resize on the same sizes, and prints the
# machine and a Markdown table of the figures. The JSON and the Pillow output
# stay in build/bench/results/ for a closer look.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${CORVANE_BENCH_BUILD:-$root/build/bench}
results=$build/results
py=/usr/bin/python3
# Three repetitions of half a second each: about a minute in all on two cores,
# and enough calls for the best one to be a quiet one.
repetitions=${CORVANE_BENCH_REPETITIONS:-3}
min_time=${CORVANE_BENCH_MIN_TIME:-0.5}

if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" --target corvane_bench >/dev/null
mkdir -p "$results"

echo "Running the benchmarks (${repetitions} × ${min_time} s each) ..." >&2
"$build/bench/corvane_bench" \
  --benchmark_repetitions="$repetitions" \
  --benchmark_min_time="$min_time" \
  --benchmark_format=json >"$results/bench.json"
echo "Running Pillow's box resize ..." >&2
"$py" "$root/scripts/pillow_resize_baseline.py" >"$results/pillow.txt"

cpu=$(sed -n 's/^model name[[:space:]]*:[[:space:]]*//p' /proc/cpuinfo | head -n 1)
echo "Machine: $(nproc) cores, ${cpu:-unknown CPU}, $(date '+%Y-%m-%d %H:%M %Z'); Release build, g++ $(g++ -dumpfullversion 2>/dev/null || echo '?')."
echo
"$py" "$root/scripts/bench_table.py" "$results/bench.json" "$results/pillow.txt"
