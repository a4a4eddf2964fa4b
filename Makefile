# Entry points: `make run ARGS='<path> [--format json|tree|debug]'` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || sysctl -n hw.ncpu 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test test-sanitize bench fuzz clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) >&2

build: configure
	@cmake --build $(BUILD) -j $(JOBS) >&2

# The report goes to standard output; the build's own output to standard error.
run: build
	@./$(BUILD)/cli/tarvik-cli $(ARGS)

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-sanitize:
	@$(MAKE) --no-print-directory test BUILD=build-sanitize CMAKE_FLAGS='-DTARVIK_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo'

bench: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DTARVIK_BUILD_BENCH=ON >&2
	@cmake --build $(BUILD) -j $(JOBS) >&2
	@bench/run-bench $(BUILD)

clean:
	rm -rf build build-sanitize
