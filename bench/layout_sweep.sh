#!/usr/bin/env bash
# The layout check over every problem at the first COUNT versions of the
# fixed list spread over 1-9999999 (the sweep CI runs takes its first 12),
# with the optimized snapshot tool, JOBS problems at a time. Prints every
# defect, their count and the time the sweep took; exits 1 on any defect,
# and fails when the tool could not check a page.
# Run by hand (never in CI): bench/layout_sweep.sh [COUNT, default 200] [JOBS, default 3]
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-200}
jobs=${2:-3}
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRUNATEL_SANITIZE=OFF >/dev/null
cmake --build build-release --target brunatel-snapshot >/dev/null
out=build-release/layout_sweep
rm -rf "$out"
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen count out
start=$(date +%s)
# One file a problem: the tools' lines do not mix. A page the tool could
# not check stops the sweep.
script/problems | xargs -P "$jobs" -n 2 bash -c '
  script/check-layout build-release/brunatel-snapshot "$0" "$1" "$count" "$out/$0.$1.txt"'
end=$(date +%s)
script/problems | while read -r c p; do grep -v "^layout: " "$out/$c.$p.txt" || true; done > "$out.txt"
cat "$out.txt"
defects=$(wc -l < "$out.txt")
pages=$(( $(script/problems | wc -l) * count ))
echo "layout: $defects defects on $pages pages ($count versions of every problem) in $((end - start)) s with $jobs jobs"
[ "$defects" -eq 0 ]
