# Two entry points for a fresh machine: `make run` and `make test`. Each
# first installs the Debian packages it needs where they are missing.
# `make test` runs the tests in parallel and leaves out those labelled long
# (ctest --preset long runs them; CI does).
.PHONY: run test clean

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

clean:
	rm -rf build
