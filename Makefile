# The two commands of the README do all the set-up: `make run` and `make test`.
SHELL := /bin/sh
FUZZ_SECONDS ?= 600
FUZZ_SMOKE_SECONDS ?= 20

.PHONY: all deps host host-asan windows test test-host test-asan test-windows fuzz fuzz-smoke \
        bench run screenshot clean

all: host

deps:
	@tools/install-deps.sh

host host-asan windows: deps
	cmake --preset $@ >/dev/null
	cmake --build --preset $@

test-host: host
	ctest --preset host
test-asan: host-asan
	ctest --preset host-asan
test-windows: windows
	tools/windows-tests.sh

# Every preset, every test, then each fuzzer briefly.
test: deps
	$(MAKE) test-host test-asan test-windows
	$(MAKE) fuzz-smoke

fuzz-smoke: host-asan
	tools/fuzz.sh $(FUZZ_SMOKE_SECONDS)

fuzz: host-asan
	tools/fuzz.sh $(FUZZ_SECONDS)

bench: host
	taskset -c 1 build/host/bench/engine_bench --benchmark_repetitions=5 \
	  --benchmark_report_aggregates_only=true --benchmark_min_time=0.2

clean:
	rm -rf build dist
