#!/usr/bin/env bash
# Start-up and memory of the optimized program against a bare Qt window with
# the same menus and canvas (the floor), under Xvfb, runs interleaved. Both
# end at their first paint; an outside probe also times each from its exec to
# its visible (mapped) window. Prints the medians and the ratios; goals:
# start-up at most 1.25 times the floor's on both measures, memory at most
# 1.2 times.
# With --against DIR, a build folder of another commit configured the same
# way (-DBRUNATEL_STARTUP_PROBE=ON), its program is timed too, runs
# interleaved, and the ratios of this program's times to its own printed:
# goal at most 1.00 where the other is the last commit before the ball
# arithmetic; its libraries are not loaded at start.
# Run by hand (never in CI): bench/startup.sh [runs, default 9] [--against DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=9
against=""
while [ $# -gt 0 ]; do
    case $1 in
    --against) against=$(realpath "$2"); shift ;;
    *) runs=$1 ;;
    esac
    shift
done
cmake -S . -B build-startup -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRUNATEL_SANITIZE=OFF \
      -DBRUNATEL_STARTUP_PROBE=ON >/dev/null
cmake --build build-startup --target brunatel bench_startup_floor bench_startup_visible >/dev/null

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

# One run of the outside probe: "<milliseconds to the visible window>".
visible() {
    timeout 20 build-startup/bench_startup_visible "$@" 2>/dev/null | awk '/^visible_ms/ {print $2}'
}

median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

: >/tmp/startup_floor.txt
: >/tmp/startup_program.txt
: >/tmp/startup_floor_visible.txt
: >/tmp/startup_program_visible.txt
: >/tmp/startup_against.txt
: >/tmp/startup_against_visible.txt
measure build-startup/bench_startup_floor >/dev/null  # warm the caches
measure build-startup/brunatel >/dev/null
for ((i = 0; i < runs; i++)); do
    measure build-startup/bench_startup_floor >>/tmp/startup_floor.txt
    measure build-startup/brunatel >>/tmp/startup_program.txt
    visible build-startup/bench_startup_floor >>/tmp/startup_floor_visible.txt
    visible build-startup/brunatel >>/tmp/startup_program_visible.txt
    if [ -n "$against" ]; then
        measure "$against/brunatel" >>/tmp/startup_against.txt
        visible "$against/brunatel" >>/tmp/startup_against_visible.txt
    fi
done

floor_ms=$(cut -d' ' -f1 /tmp/startup_floor.txt | median)
floor_kb=$(cut -d' ' -f2 /tmp/startup_floor.txt | median)
program_ms=$(cut -d' ' -f1 /tmp/startup_program.txt | median)
program_kb=$(cut -d' ' -f2 /tmp/startup_program.txt | median)
floor_visible=$(median </tmp/startup_floor_visible.txt)
program_visible=$(median </tmp/startup_program_visible.txt)
echo "floor:   ${floor_ms} ms to the first paint, ${floor_visible} ms to the visible window, ${floor_kb} kB (median of $runs)"
echo "program: ${program_ms} ms to the first paint, ${program_visible} ms to the visible window, ${program_kb} kB (median of $runs)"
awk -v a="$program_ms" -v b="$floor_ms" 'BEGIN {printf "start-up ratio: %.2f (goal 1.25)\n", a / b}'
awk -v a="$program_visible" -v b="$floor_visible" 'BEGIN {printf "visible ratio:  %.2f (goal 1.25)\n", a / b}'
awk -v a="$program_kb" -v b="$floor_kb" 'BEGIN {printf "memory ratio:   %.2f (goal 1.20)\n", a / b}'
# The loader's share, which a loaded machine cannot blur: its relocations.
relocations() { LD_DEBUG=statistics "$1" 2>&1 >/dev/null | awk '/number of relocations:/ {print $NF; exit}'; }
echo "libraries of the ball arithmetic loaded at start: $(ldd build-startup/brunatel | grep -cE 'flint|mpfr|gmp')"
echo "relocations at start: $(relocations build-startup/brunatel)"
if [ -n "$against" ]; then
    against_ms=$(cut -d' ' -f1 /tmp/startup_against.txt | median)
    against_visible=$(median </tmp/startup_against_visible.txt)
    echo "against: ${against_ms} ms to the first paint, ${against_visible} ms to the visible window," \
         "$(relocations "$against/brunatel") relocations at start ($against)"
    awk -v a="$program_ms" -v b="$against_ms" 'BEGIN {printf "start-up against it:  %.2f (goal 1.00)\n", a / b}'
    awk -v a="$program_visible" -v b="$against_visible" 'BEGIN {printf "visible against it:   %.2f (goal 1.00)\n", a / b}'
fi
