#!/bin/bash
# The Python package as pip builds it, offline, with Debian's packages: a
# wheel installed into a fresh virtual environment and imported, and
# `pip install ./python` with the module's tests run against it. (make test
# already ran those tests on the module of the build tree.)
set -euo pipefail
cd "$(dirname "$0")/../.."
ZEP_TEST_WHEEL=1 /usr/bin/python3 -m pytest -q -p no:cacheprovider python/tests/test_wheel.py
echo "python: wheel and pip install OK"
