# Two entry points for a fresh machine: `make run` and `make test`.
.PHONY: run test build clean

build:
	cmake --preset release
	cmake --build --preset release

run: build
	./build/release/zep examples/profit.lp

test:
	cmake --preset release
	cmake --build --preset release
	ctest --preset release

clean:
	rm -rf build
