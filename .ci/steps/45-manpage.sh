#!/bin/bash
# The manual page must render without a single warning from man or groff,
# under each program's name, inside the tree as once installed.
set -euo pipefail
cd "$(dirname "$0")/../.."

for page in man/zep.1 man/zep-solve.1 man/zep-parse.1 man/zep-convert.1; do
    warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    if [ -n "$warnings" ]; then
        echo "$page does not render cleanly:"
        echo "$warnings"
        exit 1
    fi
    text=$(MANWIDTH=80 man -l "$page" 2>/dev/null)
    [[ $text == *"zep-solve"* ]] || { echo "$page renders empty"; exit 1; }
done
echo "manual pages: render without warnings"
