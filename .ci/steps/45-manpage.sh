#!/bin/bash
# The manual page must render without a single warning from man or groff.
set -euo pipefail
cd "$(dirname "$0")/../.."

warnings=$(MANWIDTH=80 man --warnings -l man/zep.1 2>&1 >/dev/null)
if [ -n "$warnings" ]; then
    echo "man/zep.1 does not render cleanly:"
    echo "$warnings"
    exit 1
fi
page=$(MANWIDTH=80 man -l man/zep.1 2>/dev/null)
[[ $page == *"zep-solve"* ]] || { echo "man/zep.1 renders empty"; exit 1; }
echo "manual page: renders without warnings"
