#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks (Release) into build-bench/ (or $BENCH_DIR) and prints each case's
# median time beside its budget.
set -euo pipefail
cd "$(dirname "$0")/.."

# case name, budget in microseconds
budgets=(
    "dragStep 160"
    "drawAllPieces 100"
    "showFigure 300"
    "loadFiveHundredFigures 5000"
    "loadTheLargestFileRead 250000"
    "coveragePercent 2000"
    "fitCheckOtherSolution 400"
    "fitCheckNearMiss 400"
    "thumbnailPage 5000"
    "printPage 5000"
    "hintOverTheFreeBoard 10000"
    "randomAmongFiguresNotSolved 5000"
)

bash scripts/setup.sh
build="${BENCH_DIR:-build-bench}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target zederoru_bench
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
results=$("$build/bench/zederoru_bench" -median 9 -o -,csv)

status=0
printf '%-24s %12s %12s\n' case "median µs" "budget µs"
for entry in "${budgets[@]}"; do
    read -r name budget <<<"$entry"
    # csv lines: "function","tag","metric",value per iteration,total,iterations
    line=$(grep -E "^\"$name\"," <<<"$results" || true)
    if [ -z "$line" ]; then
        printf '%-24s %12s %12s  no result\n' "$name" - "$budget"
        status=1
        continue
    fi
    micros=$(awk -F, '{ printf "%.1f", $4 * 1000 }' <<<"$line")
    verdict=$(awk -v m="$micros" -v b="$budget" 'BEGIN { print (m <= b) ? "ok" : "OVER" }')
    [ "$verdict" = ok ] || status=1
    printf '%-24s %12s %12s  %s\n' "$name" "$micros" "$budget" "$verdict"
done
exit $status
