#!/bin/bash
# Runs one golden case from the source root and compares output and exit
# status byte for byte.  ZEP_GOLDEN_WRAPPER, when set, prefixes the command
# (for instance a valgrind invocation).
set -u
bin=$1
case=$2
dir=examples/cases
read -r prog args < "$dir/$case.cmd"
expected_status=$(tr -d '[:space:]' < "$dir/$case.status")
actual=$(mktemp)
trap 'rm -f "$actual"' EXIT
# shellcheck disable=SC2086
${ZEP_GOLDEN_WRAPPER:-} "$bin/$prog" $args > "$actual"
status=$?
ok=1
if ! cmp -s "$actual" "$dir/$case.out"; then
    echo "output differs from $dir/$case.out:"
    diff "$dir/$case.out" "$actual" | head -40
    ok=0
fi
if [ "$status" != "$expected_status" ]; then
    echo "exit status $status, expected $expected_status"
    ok=0
fi
[ $ok = 1 ]
