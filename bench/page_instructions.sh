#!/usr/bin/env bash
# Instructions a page costs, chapter by chapter, counted by callgrind: this
# tree as script/run builds it, the same sources with each file compiled on
# its own, and an earlier COMMIT (checked out in a worktree of its own
# outside this tree) as its script/run built it. Only the drawing of the
# pages is counted (the snapshot tool's show_chosen_page and
# show_chosen_version), not the start, over every problem under VERSIONS
# (default 1-20), one tool run a problem. Prints each chapter's instructions
# a page by build and the ratios of this build to the two others.
# Goal: at most 1.01 times the files-on-their-own build in every chapter.
# Run by hand (never in CI): bench/page_instructions.sh COMMIT [VERSIONS]
# BRUNATEL_BENCH_TREE=dir keeps COMMIT's worktree there (default
# /tmp/brunatel-bench-COMMIT); BRUNATEL_BENCH_JOBS=n runs n tools at once
# (default: the cores).
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: bench/page_instructions.sh COMMIT [VERSIONS]" >&2; exit 2; }
commit=$1
versions=${2:-1-20}
cd "$(dirname "$0")/.."
here=$PWD
old=${BRUNATEL_BENCH_TREE:-/tmp/brunatel-bench-$commit}
jobs=${BRUNATEL_BENCH_JOBS:-$(nproc)}
command -v valgrind >/dev/null || { echo "valgrind is needed (apt-get install valgrind)" >&2; exit 2; }

if [ ! -d "$old" ]; then
    git worktree add --detach "$old" "$commit" >/dev/null
fi
build() {
    cmake -S "$1" -B "$2" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRUNATEL_SANITIZE=OFF "${@:3}" >/dev/null
    cmake --build "$2" --target brunatel-snapshot >/dev/null
}
build "$old" "$old/build-release"
build "$here" "$here/build-release"
build "$here" "$here/build-release-each-file" -DBRUNATEL_UNITY=OFF

# One second for every page: the decoration around a problem follows the
# clock, and would change the count from run to run.
clock=1230000001
export QT_QPA_PLATFORM=offscreen versions clock
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
# One line "<build> <chapter> <instructions> <pages>" a problem.
for build in "earlier:$old/build-release" "here:$here/build-release" "each-file:$here/build-release-each-file"; do
    script/problems | sed "s|^|${build%%:*} ${build#*:}/brunatel-snapshot |"
done | xargs -P "$jobs" -L 1 bash -c '
    name=$0 tool=$1 chapter=$2 problem=$3
    counted=$(valgrind --tool=callgrind --callgrind-out-file=/dev/null --collect-atstart=no \
        "--toggle-collect=show_chosen_page*" "--toggle-collect=show_chosen_version*" \
        "$tool" --chapter "$chapter" --problem "$problem" --versions "$versions" --answer --clock "$clock" 2>&1 >/dev/null |
        sed -n "s/^==[0-9]*== Collected : //p")
    [ -n "$counted" ] || { echo "no count: $name chapter $chapter problem $problem" >&2; exit 255; }
    first=${versions%-*} last=${versions#*-}
    echo "$name $chapter $counted $((last - first + 1))"' >"$out/counts.txt"

echo "chapter  instructions a page: $commit  here  each file alone   here/$commit  here/each file (versions $versions)"
awk '{ins[$1, $2] += $3; pages[$1, $2] += $4}
     END {for (c = 1; c <= 9; c++) {
              e = ins["earlier", c] / pages["earlier", c]; h = ins["here", c] / pages["here", c]
              f = ins["each-file", c] / pages["each-file", c]
              printf "%7d  %12.0f  %12.0f  %12.0f  %8.3f  %8.3f\n", c, e, h, f, h / e, h / f}}' "$out/counts.txt"
