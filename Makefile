# Entry points: `make run ARGS='<path> [--format json|tree|debug]'` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || sysctl -n hw.ncpu 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test test-sanitize coverage bench fuzz clean

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

# The suite built with clang's coverage: every condition of the content checks
# must hold in some test and fail in some test, or be listed with its reason.
coverage: deps
	@scripts/coverage

bench: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DTARVIK_BUILD_BENCH=ON >&2
	@cmake --build $(BUILD) -j $(JOBS) >&2
	@bench/run-bench $(BUILD)

# libFuzzer targets under ASan+UBSan (clang): FUZZ_SECONDS per target.
FUZZ_SECONDS ?= 600
fuzz: deps
	@cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DTARVIK_BUILD_FUZZ=ON -DTARVIK_BUILD_TESTS=OFF >&2
	@cmake --build build-fuzz -j $(JOBS) --target fuzz_detect fuzz_report >&2
	@for t in fuzz_detect fuzz_report; do \
	  mkdir -p build-fuzz/corpus-$$t; \
	  echo "== $$t for $(FUZZ_SECONDS) s"; \
	  if ./build-fuzz/fuzz/$$t -max_total_time=$(FUZZ_SECONDS) -max_len=140000 -print_final_stats=1 \
	       -artifact_prefix=build-fuzz/ build-fuzz/corpus-$$t fuzz/seeds > build-fuzz/$$t.log 2>&1; then \
	    tail -n 6 build-fuzz/$$t.log; \
	  else \
	    tail -n 40 build-fuzz/$$t.log; echo "$$t: failure (input saved under build-fuzz/)"; exit 1; \
	  fi; \
	done

clean:
	rm -rf build build-sanitize build-fuzz build-coverage
