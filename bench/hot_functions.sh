#!/bin/bash
# Writes cmake/hot-functions.txt: the functions that runs of zep-solve and
# zep execute (callgrind, names as linked), each once: the benchmark models
# in the matrix and LP forms, an MPS file and an algebraic one. Where lld is found the
# static programs are linked with their code in this order, so that a run
# touches a few pages of code instead of pages all over the program. Run it
# after changes that move much of a run's work to other functions; a name
# that no longer exists is ignored, a new one is merely placed elsewhere.
#
#   bench/hot_functions.sh [BUILD_DIR]   BUILD_DIR defaults to build/release
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}

source bench/process_common.sh
need_programs "$build/zep-solve" "$build/zep" "$build/bench/zep_bench_models_write" valgrind
write_models

# The names each run executes, in the order the profiles first list them.
names() {
    valgrind --tool=callgrind --demangle=no --callgrind-out-file="$dir/out" "$@" \
        > /dev/null 2>&1 || true
    sed -nE 's/^c?fn=\([0-9]+\) //p' "$dir/out" | sed -E "s/'[0-9]+$//"
}
{
    for model in $models; do
        names "$build/zep-solve" "$dir/$model.mat"
        names "$build/zep-solve" "$dir/$model.lp"
    done
    names "$build/zep-solve" -r "$dir/dense-30x20.mat"
    names "$build/zep-solve" examples/bounded.mps
    names "$build/zep" examples/profit.lp
} | grep -v -e '^0x' -e '^(below main)' | awk '!seen[$0]++' > cmake/hot-functions.txt
wc -l < cmake/hot-functions.txt
