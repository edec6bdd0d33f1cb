#!/bin/bash
# Every C++ file of the repository is laid out as its .clang-format says.
set -euo pipefail
cd "$(dirname "$0")/../.."

mapfile -t files < <(git ls-files '*.cpp' '*.h')
if ! clang-format --dry-run --Werror "${files[@]}"; then
    echo "not formatted: run clang-format -i on the files above"
    exit 1
fi
echo "format: ${#files[@]} files as .clang-format lays them out"
