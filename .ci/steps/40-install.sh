#!/bin/bash
# Installs zep into a temporary prefix, checks that only the public header
# is installed and only the public API exported outside zep::detail, builds
# the example consumer against the installed CMake package, and checks its
# answer and its run on two threads.
set -euo pipefail
cd "$(dirname "$0")/../.."

cmake --preset release >/dev/null
cmake --build --preset release >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install build/release --prefix "$prefix" >/dev/null

headers=$(cd "$prefix/include" && find . -type f | sort)
[ "$headers" = "./zep/zep.h" ] || { echo "installed headers other than zep/zep.h:"; echo "$headers"; exit 1; }
# The archive exports under zep:: only what zep/zep.h declares; every other
# symbol stands in zep::detail. The standard library's templates made for
# the public types (std::vector<zep::Note>'s helpers) are the standard
# library's, not zep's.
public='Sense|Relation|Constraint|Model|read_model|write_lp|write_mps|write_algebraic|Options|Outcome|VariableValue|RowValue|Range|Answer|solve|listing|Error|ErrorKind|NoteKind|Note'
leaked=$(nm -C -g --defined-only "$prefix/lib/libzep.a" | cut -c20- | grep -Ev '^([^ (]+ )?(std|__gnu_cxx)::' |
         grep 'zep::' |
         grep -v 'zep::detail::' | grep -Ev "^((typeinfo|typeinfo name|vtable) for )?zep::($public)\b" || true)
[ -z "$leaked" ] || { echo "libzep.a exports internals outside zep::detail:"; echo "$leaked"; exit 1; }

for f in lib/libzep.a lib/cmake/zep/zepConfig.cmake lib/cmake/zep/zepConfigVersion.cmake \
         lib/cmake/zep/zepTargets.cmake share/man/man1/zep.1; do
    [ -f "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
for prog in zep zep-solve zep-parse zep-convert; do
    [ -x "$prefix/bin/$prog" ] || { echo "not installed: bin/$prog"; exit 1; }
    # Each program's page renders from the installed tree (the others lead to zep.1).
    warnings=$(MANWIDTH=80 man --warnings -M "$prefix/share/man" "$prog" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "man page $prog: $warnings"; exit 1; }
done

cmake -S examples/consumer -B "$work/consumer" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_CXX_FLAGS="-Wall -Wextra -Werror" >/dev/null
cmake --build "$work/consumer" >/dev/null

expected=examples/consumer/profit.expected
"$work/consumer/zep-consumer" > "$work/consumer.out"
if ! cmp -s "$expected" "$work/consumer.out"; then
    echo "the consumer's answer differs from $expected:"
    diff "$expected" "$work/consumer.out" || true
    exit 1
fi
"$work/consumer/zep-consumer" threads
echo "install: public header and symbols only, package, consumer and two threads OK"
