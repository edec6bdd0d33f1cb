#!/bin/bash
# Instructions (callgrind) of one whole zep-solve run on each benchmark
# model's matrix form, and of its in-process part (solveRun), for two
# builds side by side, without and with option r. Prints a Markdown table
# with the ratios, their medians and the largest.
#
#   bench/proof_cost.sh BASE_BUILD_DIR [BUILD_DIR]   BUILD_DIR defaults to build/release
set -euo pipefail
cd "$(dirname "$0")/.."
base=$1
build=${2:-build/release}

source bench/process_common.sh
need_programs "$base/zep-solve" "$build/zep-solve" "$build/bench/zep_bench_models_write" valgrind
write_models

# Prints "whole in-process" for one run: the program's total and solveRun's
# inclusive count.
count() {
    local out=$dir/callgrind.out
    valgrind --tool=callgrind --callgrind-out-file="$out" "$@" > /dev/null 2>&1
    local whole inner
    whole=$(callgrind_annotate "$out" | awk '/PROGRAM TOTALS/ { gsub(",", "", $1); print $1 }')
    inner=$(callgrind_annotate --inclusive=yes "$out" |
            awk '/::solveRun\(/ { gsub(",", "", $1); print $1; exit }')
    echo "$whole $inner"
}

echo "| model | solve base | solve | ratio | process ratio | solve -r base | solve -r | ratio -r | process ratio -r |"
echo "|---|---|---|---|---|---|---|---|---|"
for model in $models; do
    read -r bw bi <<< "$(count "$base/zep-solve" "$dir/$model.mat")"
    read -r nw ni <<< "$(count "$build/zep-solve" "$dir/$model.mat")"
    read -r rbw rbi <<< "$(count "$base/zep-solve" -r "$dir/$model.mat")"
    read -r rnw rni <<< "$(count "$build/zep-solve" -r "$dir/$model.mat")"
    awk -v m="$model" -v bw="$bw" -v bi="$bi" -v nw="$nw" -v ni="$ni" \
        -v rbw="$rbw" -v rbi="$rbi" -v rnw="$rnw" -v rni="$rni" 'BEGIN {
        printf "| %s | %d | %d | %.2f | %.2f | %d | %d | %.2f | %.2f |\n",
               m, bi, ni, ni / bi, nw / bw, rbi, rni, rni / rbi, rnw / rbw
    }' | tee -a "$dir/table"
done
awk -F'|' '
function median(v, n,   i, j, t) {
    for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
    return n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
}
{ n++; for (c = 1; c <= 4; c++) { k = (c <= 2 ? 4 + c : 6 + c); v[c, n] = $k + 0; if ($k + 0 > big[c]) big[c] = $k + 0 } }
END {
    for (c = 1; c <= 4; c++) { for (i = 1; i <= n; i++) w[i] = v[c, i]; med[c] = median(w, n) }
    printf "| **median** | | | **%.2f** | **%.2f** | | | **%.2f** | **%.2f** |\n", med[1], med[2], med[3], med[4]
    printf "| **largest** | | | %.2f | %.2f | | | %.2f | %.2f |\n", big[1], big[2], big[3], big[4]
}' "$dir/table"
