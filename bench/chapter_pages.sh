#!/usr/bin/env bash
# Every chapter's pages timed side by side with an earlier commit: builds
# bench_chapter_pages (bench/chapter_pages.cpp as it stands here) optimized
# from this tree and from COMMIT, checked out in a worktree of its own
# outside this tree, then runs the two in alternated rounds on one core and
# prints each chapter's median page by build (the median of the rounds'
# medians) and their ratio. With --sweep it also times bench_frame's sweep of
# every problem over 1,000 versions once by each build.
# Run by hand (never in CI): bench/chapter_pages.sh COMMIT [ROUNDS, default 2] [--sweep]
# BRUNATEL_BENCH_TREE=dir keeps COMMIT's worktree there (default
# /tmp/brunatel-bench-COMMIT), and builds in it again on the next run;
# BRUNATEL_BENCH_CPU=n names the core (default 1).
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: bench/chapter_pages.sh COMMIT [ROUNDS] [--sweep]" >&2; exit 2; }
commit=$1
shift
rounds=2
sweep=no
for arg in "$@"; do
    case $arg in
    --sweep) sweep=yes ;;
    *) rounds=$arg ;;
    esac
done
cd "$(dirname "$0")/.."
here=$PWD
old=${BRUNATEL_BENCH_TREE:-/tmp/brunatel-bench-$commit}
cpu=${BRUNATEL_BENCH_CPU:-1}

if [ ! -d "$old" ]; then
    git worktree add --detach "$old" "$commit" >/dev/null
fi
cp bench/chapter_pages.cpp "$old/bench/chapter_pages.cpp"
for tree in "$here" "$old"; do
    cmake -S "$tree" -B "$tree/build-release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRUNATEL_SANITIZE=OFF >/dev/null
    cmake --build "$tree/build-release" --target bench_chapter_pages bench_frame >/dev/null
done

export QT_QPA_PLATFORM=offscreen
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
# One round: "<build> <chapter> <median ms>" a chapter.
run() {
    taskset -c "$cpu" "$2/build-release/bench_chapter_pages" 2>/dev/null |
        sed -n 's|^BM_ChapterPages/\([0-9]*\)/iterations:1 .*median_ms=\([0-9.e+-]*\).*|\1 \2|p' |
        while read -r chapter median; do echo "$1 $chapter $median"; done >>"$out/rounds.txt"
}
for ((r = 0; r < rounds; r++)); do
    run old "$old"
    run new "$here"
done

echo "chapter  median ms at $commit  median ms here  here/earlier ($rounds rounds)"
awk '{v[$1 " " $2] = v[$1 " " $2] " " $3} END {for (k in v) print k v[k]}' "$out/rounds.txt" |
    while read -r build chapter medians; do
        echo "$build $chapter $(tr ' ' '\n' <<<"$medians" | sort -g | awk '{m[NR] = $1} END {print (m[int((NR + 1) / 2)] + m[int(NR / 2) + 1]) / 2}')"
    done | sort -k2,2n -k1,1 |
    awk '$1 == "old" && $3 > 0 {old[$2] = $3} $1 == "new" && $3 > 0 {new[$2] = $3}
         END {for (c = 1; c <= 9; c++) if (c in old && c in new)
                  printf "%7d  %20.4f  %14.4f  %12.2f\n", c, old[c], new[c], new[c] / old[c]}'

if [ "$sweep" = yes ]; then
    for build in old new; do
        tree=$old
        [ "$build" = new ] && tree=$here
        seconds=$(taskset -c "$cpu" "$tree/build-release/bench_frame" --benchmark_filter=SweepThousandVersions 2>/dev/null |
            awk '/^BM_SweepThousandVersions/ {print $2}')
        echo "sweep of every problem over 1,000 versions, $build build: $seconds s"
    done
fi
