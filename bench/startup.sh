#!/usr/bin/env bash
# Start-up and memory of the optimized program against a bare Qt window with
# the same menus and canvas (the floor), under Xvfb, runs interleaved. Both
# end at their first paint. Prints the medians and the two ratios; goals:
# start-up at most 1.25 times the floor's, memory at most 1.2 times.
# Run by hand (never in CI): bench/startup.sh [runs, default 9]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
cmake -S . -B build-startup -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRUNATEL_SANITIZE=OFF \
      -DBRUNATEL_STARTUP_PROBE=ON >/dev/null
cmake --build build-startup --target brunatel bench_startup_floor >/dev/null

display=:97
Xvfb $display -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
export DISPLAY=$display

# One run: "<milliseconds> <peak kB>".
measure() {
    local start end rss
    start=$(date +%s%N)
    rss=$("$@" 2>/dev/null | awk '/^max_rss_kb/ {print $2}')
    end=$(date +%s%N)
    echo "$(( (end - start) / 1000000 )) ${rss:-0}"
}

median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

: >/tmp/startup_floor.txt
: >/tmp/startup_program.txt
measure build-startup/bench_startup_floor >/dev/null  # warm the caches
measure build-startup/brunatel >/dev/null
for ((i = 0; i < runs; i++)); do
    measure build-startup/bench_startup_floor >>/tmp/startup_floor.txt
    measure build-startup/brunatel >>/tmp/startup_program.txt
done

floor_ms=$(cut -d' ' -f1 /tmp/startup_floor.txt | median)
floor_kb=$(cut -d' ' -f2 /tmp/startup_floor.txt | median)
program_ms=$(cut -d' ' -f1 /tmp/startup_program.txt | median)
program_kb=$(cut -d' ' -f2 /tmp/startup_program.txt | median)
echo "floor:   ${floor_ms} ms, ${floor_kb} kB (median of $runs)"
echo "program: ${program_ms} ms, ${program_kb} kB (median of $runs)"
awk -v a="$program_ms" -v b="$floor_ms" 'BEGIN {printf "start-up ratio: %.2f (goal 1.25)\n", a / b}'
awk -v a="$program_kb" -v b="$floor_kb" 'BEGIN {printf "memory ratio:   %.2f (goal 1.20)\n", a / b}'
