#!/bin/bash
# The whole test suite once more, built with AddressSanitizer, LeakSanitizer
# and UndefinedBehaviorSanitizer. A report fails its test (recovery is off);
# the log is searched as well, so that no report passes unseen.
set -euo pipefail
cd "$(dirname "$0")/../.."

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize -j2
log=build/sanitize/Testing/Temporary/LastTest.log
if grep -E 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$log"; then
    echo "sanitizer report in $log"
    exit 1
fi
