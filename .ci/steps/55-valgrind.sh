#!/bin/bash
# The golden end-to-end cases once more, each program run under valgrind's
# memcheck: any memory error or any block left allocated at exit fails.
# The programs are linked dynamically here: memcheck replaces malloc and
# the string functions only in a shared C library.
set -euo pipefail
cd "$(dirname "$0")/../.."

build=build/valgrind
cmake -S . -B $build -DCMAKE_BUILD_TYPE=Release -DZEP_STATIC=OFF -DZEP_BENCH=OFF >/dev/null
cmake --build $build -j2 >/dev/null

# The one block allowed at exit: the model file, which the command line
# opens and which stays open until the process ends.
supp=$(mktemp)
trap 'rm -f "$supp"' EXIT
cat > "$supp" <<'SUPP'
{
   model-file-open-until-exit
   Memcheck:Leak
   match-leak-kinds: reachable
   fun:malloc
   fun:__fopen_internal
   ...
   fun:_ZN3zep6detail6getArgERNS0_5StoreEiPPc
}
SUPP

export ZEP_GOLDEN_WRAPPER="valgrind -q --error-exitcode=99 --leak-check=full \
--show-leak-kinds=all --errors-for-leak-kinds=all --suppressions=$supp"
ctest --test-dir $build -L golden -j2
