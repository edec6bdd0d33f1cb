#!/bin/bash
# Runs one golden case from the source root and compares output and exit
# status byte for byte, and standard error too where the case has a
# NAME.err file.  ZEP_GOLDEN_WRAPPER, when set, prefixes the command (for
# instance a valgrind invocation).
set -u
bin=$1
case=$2
dir=examples/cases
read -r prog args < "$dir/$case.cmd"
expected_status=$(tr -d '[:space:]' < "$dir/$case.status")
actual=$(mktemp)
actual_err=$(mktemp)
trap 'rm -f "$actual" "$actual_err"' EXIT
# shellcheck disable=SC2086
${ZEP_GOLDEN_WRAPPER:-} "$bin/$prog" $args > "$actual" 2> "$actual_err"
status=$?
ok=1
if ! cmp -s "$actual" "$dir/$case.out"; then
    echo "output differs from $dir/$case.out:"
    diff "$dir/$case.out" "$actual" | head -40
    ok=0
fi
if [ -f "$dir/$case.err" ] && ! cmp -s "$actual_err" "$dir/$case.err"; then
    echo "standard error differs from $dir/$case.err:"
    diff "$dir/$case.err" "$actual_err" | head -40
    ok=0
fi
if [ "$status" != "$expected_status" ]; then
    echo "exit status $status, expected $expected_status"
    ok=0
fi
[ $ok = 1 ]
