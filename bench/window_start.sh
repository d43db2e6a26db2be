#!/usr/bin/env bash
# Does the window always appear? Starts the optimized program N times under
# Xvfb, with openbox as window manager (or none with --no-wm), and counts the
# starts that showed a mapped window within 5 s (with openbox: also framed,
# i.e. reparented and given _NET_FRAME_EXTENTS). Each start is then ended by
# its menu, Alt+I then "E&sci", and must exit with status 0 within 5 s
# (else it is killed and counted "stuck"). Start-up races show rarely and
# more under load: run some hundreds of starts.
# Run by hand (never in CI): bench/window_start.sh [N, default 20] [--no-wm] [--jobs J, default 3]
# BRUNATEL_BIN=path tests that binary instead of building build-release/brunatel.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 2

runs=20
wm=openbox
jobs=3
while [ $# -gt 0 ]; do
    case $1 in
    --no-wm) wm="" ;;
    --jobs) jobs=$2; shift ;;
    [0-9]*) runs=$1 ;;
    *) echo "usage: $0 [N] [--no-wm] [--jobs J]" >&2; exit 2 ;;
    esac
    shift
done
for tool in Xvfb xdotool xwininfo xprop timeout $wm; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (apt-get install xvfb xdotool x11-utils openbox)" >&2; exit 2; }
done
if [ -z "${BRUNATEL_BIN:-}" ]; then
    cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRUNATEL_SANITIZE=OFF >/dev/null || exit 2
    cmake --build build-release --target brunatel >/dev/null || exit 2
    BRUNATEL_BIN=build-release/brunatel
fi
bin=$(realpath "$BRUNATEL_BIN")
title='Tarvisel - Brunatel 1.0'
work=$(mktemp -d)
cleanup() {
    # When cut short: the workers first, then their servers.
    local workers
    mapfile -t workers < <(jobs -p)
    kill "${workers[@]}" 2>/dev/null
    cat "$work"/pids.* 2>/dev/null | while read -r pid; do kill "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Waits up to $1 ms for the command "$2..." to succeed.
within() {
    local end=$(($(now_ms) + $1))
    shift
    until "$@"; do
        [ "$(now_ms)" -ge "$end" ] && return 1
        sleep 0.05
    done
}

# Commands that wait on the display (for a focus, for a window manager) are cut short.
x() { timeout 5 "$@" 2>/dev/null; }

program_window() { xdotool search --all --pid "$1" --name "^$title\$" 2>/dev/null | head -n 1; }

shown() {
    local wid
    wid=$(program_window "$1")
    [ -n "$wid" ] || return 1
    xwininfo -id "$wid" 2>/dev/null | grep -q 'Map State: IsViewable' || return 1
    [ -z "$wm" ] && return 0
    xwininfo -tree -id "$wid" 2>/dev/null | grep 'Parent window id' | grep -vq '(the root window)' &&
        xprop -id "$wid" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '='
}

exited() { ! kill -0 "$1" 2>/dev/null; }
wm_ready() { x xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }

# Starts Xvfb on a display it chooses free.
start_display() {
    local k=$1 pid display
    # -noreset: a server resetting as its last client leaves refuses new ones.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display.$k" >/dev/null 2>&1 &
    pid=$!
    within 5000 test -s "$work/display.$k" || return 1
    echo "$pid" >"$work/pids.$k"
    display=$(head -n 1 "$work/display.$k")
    export DISPLAY=:$display
}

# Waits for them to end: a display number is free again only once its server is gone.
stop_servers() {
    local pids
    mapfile -t pids <"$work/pids.$1"
    kill "${pids[@]}" 2>/dev/null
    wait "${pids[@]}" 2>/dev/null
    rm "$work/pids.$1"
}

# One display (and window manager) per worker; worker k takes runs k, k + jobs, ...
worker() {
    local k=$1 pid wid status started shown_ms run err
    start_display "$k" || { echo "worker $k: no Xvfb display" >&2; return; }
    if [ -n "$wm" ]; then
        $wm --sm-disable >/dev/null 2>"$work/wm.$k" &
        echo $! >>"$work/pids.$k"
        if ! within 20000 wm_ready; then
            echo "worker $k: $wm did not start on $DISPLAY: $(tail -n 3 "$work/wm.$k")" >&2
            stop_servers "$k"
            return
        fi
    fi
    for ((run = k; run < runs; run += jobs)); do
        err=$work/stderr.$run
        started=$(now_ms)
        "$bin" >/dev/null 2>"$err" &
        pid=$!
        if within 5000 shown "$pid"; then
            shown_ms=$(($(now_ms) - started))
            wid=$(program_window "$pid")
            # The keys go to the focused window: focus it first, as a user's click would.
            x xdotool windowfocus --sync "$wid"
            x xdotool key --clearmodifiers alt+i sleep 0.2 key s
        else
            shown_ms=-1
            wid=$(program_window "$pid")
            echo "run $run: no window on $DISPLAY ${wid:+($(xwininfo -id "$wid" 2>/dev/null | grep -o 'Map State: [A-Za-z]*'))}" >&2
        fi
        if within 5000 exited "$pid"; then
            wait "$pid"
            status=$?
        else
            kill -9 "$pid" 2>/dev/null
            wait "$pid" 2>/dev/null
            status=stuck
        fi
        [ "$status" != 0 ] && [ -s "$err" ] && echo "run $run: status $status: $(head -c 300 "$err")" >&2
        echo "$run $shown_ms $status" >>"$work/result.$k"
    done
    stop_servers "$k"
}

for ((k = 0; k < jobs && k < runs; k++)); do worker "$k" & done
wait

cat "$work"/result.* 2>/dev/null | sort -n >"$work/all"
done_runs=$(wc -l <"$work/all")
windows=$(awk '$2 >= 0' "$work/all" | wc -l)
clean=$(awk '$3 == "0"' "$work/all" | wc -l)
echo "mode: ${wm:-no window manager}, $done_runs of $runs starts done, $jobs displays"
echo "windows shown within 5 s: $windows / $runs"
echo "exit statuses: $(awk '{print $3}' "$work/all" | sort | uniq -c | awk '{printf "%s x%s  ", $2, $1}')"
awk '$2 >= 0 {print $2}' "$work/all" | sort -n |
    awk '{v[NR] = $1} END {if (NR) printf "time to window: median %d ms, max %d ms\n", v[int((NR + 1) / 2)], v[NR]}'
[ "$windows" -eq "$runs" ] && [ "$clean" -eq "$runs" ]
