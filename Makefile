# The two commands of the README do all the set-up: `make run` and `make test`.
SHELL := /bin/sh
FUZZ_SECONDS ?= 600
FUZZ_SMOKE_SECONDS ?= 20

.PHONY: all deps host host-asan windows test test-host test-asan test-windows fuzz fuzz-smoke \
        bench dist run screenshot clean

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

# Engine timings (host), then start-up and size against the floor (Wine).
bench: host windows
	taskset -c 1 build/host/bench/engine_bench --benchmark_repetitions=5 \
	  --benchmark_report_aggregates_only=true --benchmark_min_time=0.2
	tools/startup-bench.sh

# dist/VrelMedTool-1.0.0-win64.zip, built twice from clean checkouts of HEAD.
dist: deps
	tools/dist.sh

clean:
	rm -rf build dist

# The program under Wine in the windows build's prefix; with no display the
# self-test instead, its report printed as UTF-8.
WINDOWS_BUILD := build/windows
run: windows
	@if [ -n "$$DISPLAY" ]; then \
	  $(WINDOWS_BUILD)/wine-run $(WINDOWS_BUILD)/app/VrelMedTool.exe; \
	else \
	  cd $(WINDOWS_BUILD) && rm -f run-selftest.txt; \
	  ./wine-run app/VrelMedTool.exe --selftest run-selftest.txt; rc=$$?; \
	  [ -f run-selftest.txt ] && cat run-selftest.txt; \
	  echo "exit code $$rc"; exit $$rc; \
	fi

# docs/screenshot.png: the window framed by a 1100 x 820 Wine desktop on a
# virtual display, taken once two pictures a second apart agree.
screenshot: windows
	mkdir -p docs
	WINEPREFIX=$(CURDIR)/$(WINDOWS_BUILD)/wine-prefix tools/wine-prefix.sh
	WINEPREFIX=$(CURDIR)/$(WINDOWS_BUILD)/wine-prefix WINEDEBUG=-all WINEARCH=win64 \
	xvfb-run -a -s "-screen 0 1100x820x24" sh -c ' \
	  build=$$0; out=$$1; wineserver -p; \
	  "$$build/wine-run" explorer /desktop=shot,1100x820 "$$build/app/VrelMedTool.exe" & \
	  previous=""; \
	  for i in $$(seq 30); do \
	    sleep 1; import -window root "$$out.tmp.png"; \
	    sum=$$(md5sum <"$$out.tmp.png"); colours=$$(convert "$$out.tmp.png" -format %k info:); \
	    [ "$$sum" = "$$previous" ] && [ "$$colours" -gt 50 ] && break; \
	    previous=$$sum; \
	  done; \
	  mv "$$out.tmp.png" "$$out"; wineserver -k; wait' \
	  $(CURDIR)/$(WINDOWS_BUILD) $(CURDIR)/docs/screenshot.png
