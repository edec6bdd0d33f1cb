#!/bin/bash
# The golden end-to-end cases once more, each program run under valgrind's
# memcheck: any memory error or any block left allocated at exit fails.
set -euo pipefail
cd "$(dirname "$0")/../.."

cmake --preset release >/dev/null
cmake --build --preset release >/dev/null

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
   fun:_ZN3zep6getArgERNS_5StoreEiPPc
}
SUPP

export ZEP_GOLDEN_WRAPPER="valgrind -q --error-exitcode=99 --leak-check=full \
--show-leak-kinds=all --errors-for-leak-kinds=all --suppressions=$supp"
ctest --preset release -L golden -j2
