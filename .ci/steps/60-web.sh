#!/bin/bash
# zep in WebAssembly: `make web` (GMP built from Debian's source package on
# the first run), every golden case on the programs under node, then the
# page in Debian's chromium against the native zep-solve. The browser
# test's screenshots stay in web/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/../.."

start=$SECONDS
make web
echo "make web: $((SECONDS - start)) s"
web/test/golden-node.sh build/wasm/node

cmake --preset release >/dev/null
cmake --build --preset release --target zep-solve-bin >/dev/null
cd web
PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --ignore-scripts >/dev/null
node --no-experimental-fetch test/browser.mjs build/release
echo "web step: $((SECONDS - start)) s"
