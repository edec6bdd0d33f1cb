#!/bin/bash
# Every golden case on the WebAssembly programs under node: the same bytes
# and exit statuses as the native programs give.
#   web/test/golden-node.sh [NODE_BIN_DIR]    (default build/wasm/node)
set -u
cd "$(dirname "$0")/../.."
bin=$(realpath "${1:-build/wasm/node}")
failed=()
count=0
for cmd in examples/cases/*.cmd; do
    case=$(basename "$cmd" .cmd)
    count=$((count + 1))
    tests/golden.sh "$bin" "$case" >/tmp/zep-golden-node.$$ 2>&1 || {
        failed+=("$case")
        cat /tmp/zep-golden-node.$$
    }
done
rm -f /tmp/zep-golden-node.$$
echo "golden cases under node: $((count - ${#failed[@]})) of $count passed"
[ ${#failed[@]} -eq 0 ] || { echo "failed: ${failed[*]}"; exit 1; }
