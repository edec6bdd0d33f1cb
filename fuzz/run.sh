#!/bin/bash
# Builds the fuzz targets of the four model readers with clang++ and runs each
# for a bounded time, seeded from the models in examples/. The run fails on
# any crash, sanitizer report or input that takes over one second; the
# input is then left in fuzz/ (crash-*, timeout-*, leak-*). The corpora
# grow in fuzz/corpus-READER from run to run.
#
#   fuzz/run.sh [seconds per target, default 60] [build directory, default build/fuzz]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=${2:-build/fuzz}

cmake -S fuzz -B "$build" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j2

fuzz() {
    local reader=$1 extension=$2
    shift 2
    local corpus=fuzz/corpus-$reader
    mkdir -p "$corpus"
    cp examples/*."$extension" "$corpus"/
    echo "=== fuzzing the $reader reader for $seconds seconds"
    "$build/fuzz-$reader" -max_total_time="$seconds" -timeout=1 -artifact_prefix=fuzz/ \
        -print_final_stats=1 "$@" "$corpus"
}

fuzz algebraic lp -dict=fuzz/algebraic.dict
fuzz matrix mat
fuzz lp_format lp -dict=fuzz/lp_format.dict
fuzz mps mps -dict=fuzz/mps.dict
