#!/bin/bash
# Builds the fuzz targets of the four model readers and of zep-solve's
# whole path with clang++ and runs each for a bounded time, the readers seeded
# from the models in examples/, zep-solve from those and both test corpora
# (each model behind an option byte: none, and f, r, t and x), and each from
# its inputs in fuzz/seeds/READER, found by earlier runs and kept because they
# reach code the models do not. The run
# fails on any crash, sanitizer report or input that takes over one second;
# the input is then left in fuzz/ (crash-*, timeout-*, leak-*). The corpora
# grow in fuzz/corpus-READER (algebraic, matrix, lp_format, mps, solve)
# from run to run; the fuzzers refuse to write into any other directory of
# the source tree but a build directory.
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
    if [ "$reader" = solve ]; then
        for model in examples/*.{lp,mat,mps} tests/corpus/*.{lp,mat} tests/corpus-wide/*.{lp,mat}; do
            local seed=${model//\//-}
            { printf '\000'; cat "$model"; } > "$corpus/$seed"
            { printf '\036'; cat "$model"; } > "$corpus/all-options-$seed"
        done
    else
        cp examples/*."$extension" "$corpus"/
    fi
    cp fuzz/seeds/"$reader"/* "$corpus"/
    echo "=== fuzzing the $reader reader for $seconds seconds"
    "$build/fuzz-$reader" -max_total_time="$seconds" -timeout=1 -artifact_prefix=fuzz/ \
        -print_final_stats=1 "$@" "$corpus"
}

fuzz algebraic lp -dict=fuzz/algebraic.dict
fuzz matrix mat
fuzz lp_format lp -dict=fuzz/lp_format.dict
fuzz mps mps -dict=fuzz/mps.dict
fuzz solve "" -dict=fuzz/algebraic.dict
