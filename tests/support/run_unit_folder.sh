#!/usr/bin/env bash
# Runs a folder's unit tests as one process in a shuffled order, so that no
# test leans on state another left. The seed is BRUNATEL_TEST_SEED where set
# (to replay an order), else drawn here; it is printed first. Each test's
# seconds go to SUMMARY_DIR/NAME.times, "seconds test" a line. Where the
# folder fails, it runs once more in the written order, and
# SUMMARY_DIR/NAME.failed says whether it fails only in the shuffled order,
# which tests failed and, where the process ended early, the test it ended
# in. Exits 0 only where the shuffled run passed.
# Usage: run_unit_folder.sh SUMMARY_DIR NAME PROGRAM [ARGUMENTS...]
set -uo pipefail
[ $# -ge 3 ] || { echo "usage: run_unit_folder.sh SUMMARY_DIR NAME PROGRAM [ARGUMENTS...]" >&2; exit 2; }
summary_dir=$1 name=$2
shift 2
mkdir -p "$summary_dir"
rm -f "$summary_dir/$name.times" "$summary_dir/$name.failed" "$summary_dir/$name.log"
seed=${BRUNATEL_TEST_SEED:-$(shuf -i 1-99999 -n 1)}
echo "$name: shuffled with seed $seed (BRUNATEL_TEST_SEED=$seed replays the order)"
log=$summary_dir/$name.log
"$@" --gtest_shuffle --gtest_random_seed="$seed" 2>&1 | tee "$log"
status=${PIPESTATUS[0]}
sed -n 's/^\[       OK \] \([^ ]*\) (\([0-9]*\) ms)$/\2 \1/p' "$log" |
    awk '{printf "%.3f %s\n", $1 / 1000, $2}' >"$summary_dir/$name.times"
[ "$status" -eq 0 ] && { rm -f "$log"; exit 0; }

# The tests that failed, and the one a run ended in: started, never ended.
failed_tests() { sed -n 's/^\[  FAILED  \] \([^ ,]*\),\{0,1\} .*(.*$/\1/p' "$1" | sort -u | tr '\n' ' '; }
ended_in() {
    awk '/^\[ RUN      \] / {running = $4}
         /^\[ *(OK|FAILED|SKIPPED) *\] / {ended = $4; sub(/,$/, "", ended); if (ended == running) running = ""}
         END {print running}' "$1"
}
shuffled_failed=$(failed_tests "$log")
shuffled_end=$(ended_in "$log")
"$@" >"$log.in-order" 2>&1
in_order=$?
{
    if [ "$in_order" -eq 0 ]; then
        echo "$name FAILS ONLY IN THE SHUFFLED ORDER (seed $seed): it passes in the written order"
    else
        echo "$name fails in the written order too (exit $in_order; shuffled with seed $seed)"
    fi
    [ -n "$shuffled_failed" ] && echo "  failed shuffled: $shuffled_failed"
    [ -n "$shuffled_end" ] && echo "  the shuffled run ended (exit $status) in $shuffled_end"
    if [ "$in_order" -ne 0 ]; then
        in_order_failed=$(failed_tests "$log.in-order")
        in_order_end=$(ended_in "$log.in-order")
        [ -n "$in_order_failed" ] && echo "  failed in order: $in_order_failed"
        [ -n "$in_order_end" ] && echo "  the run in order ended (exit $in_order) in $in_order_end"
    fi
} | tee "$summary_dir/$name.failed"
exit 1
