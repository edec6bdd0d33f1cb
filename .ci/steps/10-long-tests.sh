#!/bin/bash
# The exhaustive and long randomised tests (the ctest label long), which
# `make test` leaves out to stay within a minute.
set -euo pipefail
cd "$(dirname "$0")/../.."

cmake --preset release >/dev/null
cmake --build --preset release >/dev/null
ctest --preset long
