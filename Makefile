# Two entry points for a fresh machine: `make run` and `make test`. Each
# first installs the Debian packages it needs where they are missing.
# `make test` runs the tests in parallel and leaves out those labelled long
# (ctest --preset long runs them; CI does).
.PHONY: run test web clean

# Only the program it runs: no tests, no benchmarks.
run:
	bash .ci/install-deps run
	cmake --preset release -DZEP_TESTS=OFF -DZEP_BENCH=OFF
	cmake --build --preset release --target zep-bin
	./build/release/zep examples/profit.lp

test:
	bash .ci/install-deps test
	cmake --preset release -DZEP_TESTS=ON -DZEP_BENCH=ON
	cmake --build --preset release
	ctest --preset release -j"$$(nproc)"

# zep in WebAssembly: the page's module beside web/index.html, and the four
# programs for node in build/wasm/node. GMP is built once from Debian's
# source package and kept in build/web. Optimised for size: the page's
# module is downloaded.
gmp := $(CURDIR)/build/web/gmp
web: export NODE_PATH := /usr/share/nodejs
web:
	bash .ci/install-deps web
	web/build-gmp.sh build/web
	emcmake cmake -S . -B build/wasm -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-Os -DNDEBUG" -DZEP_WERROR=ON \
	    -DZEP_TESTS=OFF -DZEP_BENCH=OFF -DZEP_PYTHON=OFF -DZEP_STATIC=OFF -DGMPXX_INCLUDE_DIR=$(gmp)/include \
	    -DGMP_LIBRARY=$(gmp)/lib/libgmp.a -DGMPXX_LIBRARY=$(gmp)/lib/libgmpxx.a >/dev/null
	cmake --build build/wasm -j2

clean:
	rm -rf build
