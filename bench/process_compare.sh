#!/bin/bash
# Whole zep-solve processes of two builds side by side: each benchmark
# model's matrix form run by the base build's zep-solve and by the other's
# in turn, RUNS times each (default 201), with the given zep-solve options.
# Prints a Markdown table of the median wall-clock milliseconds of one run,
# their ratio, the median minor page faults of a run and the median
# processor time (user and system) of a run with its ratio, then the median
# and the largest ratios over the models. The runs alternate so that a
# spell of load falls on both builds alike; measure on a quiet machine.
#
#   bench/process_compare.sh BASE_BUILD_DIR [BUILD_DIR] [ZEP-SOLVE OPTIONS...]
#                                        BUILD_DIR defaults to build/release
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -ge 1 ] || { echo "usage: $0 BASE_BUILD_DIR [BUILD_DIR] [ZEP-SOLVE OPTIONS...]"; exit 2; }
base=$1
shift
build=build/release
if [ $# -ge 1 ] && [ -d "$1" ]; then
    build=$1
    shift
fi
runs=${RUNS:-201}

source bench/process_common.sh
need_programs "$base/zep-solve" "$build/zep-solve" "$build/bench/zep_spawn" \
    "$build/bench/zep_bench_models_write"
write_models

echo "| model | base (ms) | new (ms) | ratio | base faults | new faults |" \
     "base cpu (ms) | new cpu (ms) | cpu ratio |"
echo "|---|---|---|---|---|---|---|---|---|"
for model in $models; do
    : > "$dir/base.log"
    : > "$dir/new.log"
    # Each build runs first in every other turn, so that neither gains
    # from following the other.
    for ((k = 0; k < runs; k++)); do
        if ((k % 2 == 0)); then
            time_run "$dir/base.log" --faults "$base/zep-solve" "$@" "$dir/$model.mat"
            time_run "$dir/new.log" --faults "$build/zep-solve" "$@" "$dir/$model.mat"
        else
            time_run "$dir/new.log" --faults "$build/zep-solve" "$@" "$dir/$model.mat"
            time_run "$dir/base.log" --faults "$base/zep-solve" "$@" "$dir/$model.mat"
        fi
    done
    awk -v m="$model" -v b="$(median "$dir/base.log")" -v n="$(median "$dir/new.log")" \
        -v bf="$(median "$dir/base.log" 2)" -v nf="$(median "$dir/new.log" 2)" \
        -v bc="$(median "$dir/base.log" 3)" -v nc="$(median "$dir/new.log" 3)" 'BEGIN {
        printf "| %s | %.4f | %.4f | %.3f | %d | %d | %.4f | %.4f | %.3f |\n",
               m, b, n, n / b, bf, nf, bc, nc, nc / bc
    }' | tee -a "$dir/table"
done
awk -F'|' '
function sorted(v, n,   i, j, t) {
    for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
}
{ n++; r[n] = $5 + 0; c[n] = $10 + 0 }
END {
    sorted(r, n); sorted(c, n)
    mr = n % 2 ? r[(n + 1) / 2] : (r[n / 2] + r[n / 2 + 1]) / 2
    mc = n % 2 ? c[(n + 1) / 2] : (c[n / 2] + c[n / 2 + 1]) / 2
    printf "| **median** | | | **%.3f** | | | | | **%.3f** |\n", mr, mc
    printf "| **largest** | | | %.3f | | | | | %.3f |\n", r[n], c[n]
}' "$dir/table"
