#!/bin/bash
# A very short run of the benchmarks, to keep them building and working:
# every model must solve to the same optimum in zep and GLPK (a benchmark
# that finds otherwise reports an error and leaves a gap in the summary),
# and the whole-process script must run through. No timing is judged.
set -euo pipefail
cd "$(dirname "$0")/../.."

cmake --preset release >/dev/null
cmake --build --preset release >/dev/null
if [ ! -x build/release/bench/zep_bench ]; then
    echo "benchmarks not built (Google Benchmark or GLPK missing)"
    exit 1
fi

out=$(build/release/bench/zep_bench --benchmark_min_time=0.001 --benchmark_color=false 2>&1)
if grep -qE 'ERROR OCCURRED|nan' <<< "$out"; then
    echo "$out"
    exit 1
fi
RUNS=1 bench/process.sh build/release >/dev/null
echo "benchmarks: smoke run OK"
