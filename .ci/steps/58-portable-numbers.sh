#!/bin/bash
# The portable conversions of doubles (printf and strtod, as the WebAssembly
# build has them in place of to_chars and from_chars), forced in a native
# build and run against the whole suite.
set -euo pipefail
cd "$(dirname "$0")/../.."

cmake -S . -B build/portable -DCMAKE_BUILD_TYPE=Release -DZEP_WERROR=ON -DZEP_BENCH=OFF -DZEP_PYTHON=OFF \
    -DZEP_PORTABLE_NUMBERS=ON >/dev/null
cmake --build build/portable -j2 >/dev/null
ctest --test-dir build/portable --output-on-failure -j2 | tail -3
