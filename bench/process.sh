#!/bin/bash
# Whole-process times on the benchmark models: zep-solve against glpsol
# (with its default settings, as a user would run it), and a program that
# only starts and exits (linked statically, as zep-solve is by default), as
# the floor. The three run in turn, RUNS times
# each per model (default 101); the table gives the median wall-clock time
# of one run in milliseconds, as a Markdown table.
#
#   bench/process.sh [BUILD_DIR]        BUILD_DIR defaults to build/release
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
runs=${RUNS:-101}

source bench/process_common.sh
need_programs "$build/zep-solve" "$build/bench/zep_floor" "$build/bench/zep_spawn" \
    "$build/bench/zep_bench_models_write"
command -v glpsol >/dev/null || { echo "glpsol not found (Debian package glpk-utils)"; exit 1; }
write_models

echo "| model | zep-solve (ms) | glpsol (ms) | floor (ms) | zep-solve/floor | zep-solve/glpsol |" \
     "zep-solve - floor | glpsol - floor |"
echo "|---|---|---|---|---|---|---|---|"
for model in $models; do
    : > "$dir/zep.log"
    : > "$dir/glpsol.log"
    : > "$dir/floor.log"
    for ((k = 0; k < runs; k++)); do
        time_run "$dir/zep.log" "$build/zep-solve" "$dir/$model.mat"
        time_run "$dir/glpsol.log" glpsol --lp "$dir/$model.lp"
        time_run "$dir/floor.log" "$build/bench/zep_floor"
    done
    zep=$(median "$dir/zep.log")
    glp=$(median "$dir/glpsol.log")
    flo=$(median "$dir/floor.log")
    awk -v m="$model" -v z="$zep" -v g="$glp" -v f="$flo" 'BEGIN {
        printf "| %s | %.3f | %.3f | %.3f | %.2f | %.2f | %.3f | %.3f |\n",
               m, z, g, f, z / f, z / g, z - f, g - f
    }' | tee -a "$dir/table"
done
# The goals, on the models of 30 rows: zep-solve at most 1.15 times the floor
# and at most 0.5 of glpsol.
awk -F'|' '$2 ~ /30/ {
    n++; zf = $6 + 0; zg = $7 + 0
    if (zf > wf) wf = zf
    if (zg > wg) wg = zg
    mf += zf <= 1.15; mg += zg <= 0.5
} END {
    printf "\nGoals on the %d models of 30 rows: zep-solve/floor <= 1.15 on %d (largest %.2f); " \
           "zep-solve/glpsol <= 0.5 on %d (largest %.2f)\n", n, mf, wf, mg, wg
}' "$dir/table"
