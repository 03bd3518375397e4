# Front door for newcomers: each target configures and builds what it needs, then runs it.
JOBS ?= $(shell nproc)
FUZZ_RUNS ?= 100000
export GLIBC_TUNABLES ?= glibc.malloc.hugetlb=1

.PHONY: all demo test check bench format clean

all: test

build/%/build.ninja:
	cmake --preset $* >/dev/null

demo:
	@tools/ensure-deps.sh
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS) --target velk
	@build/release/tools/velk/velk summary examples/ward.json
	@echo
	@build/release/tools/velk/velk roster examples/ward.json --group 2 --from 2026-12-01 --to 2026-12-31
	@echo
	@build/release/tools/velk/velk hours examples/ward.json --group 2 --from 2026-12-01 --to 2026-12-31

test:
	@tools/ensure-deps.sh
	@cmake --preset dev >/dev/null
	cmake --build --preset dev -j $(JOBS)
	cd build/dev && ctest --output-on-failure -j $(JOBS)

# The suite under ASan/UBSan, velk's HTML roster rendered by headless Chromium, then every fuzz
# target for a fixed number of runs from its seeds.
check:
	@tools/ensure-deps.sh fuzz browser
	@cmake --preset asan >/dev/null
	cmake --build --preset asan -j $(JOBS)
	cd build/asan && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j $(JOBS)
	tests/tools/html_in_browser.py build/asan/tools/velk/velk build/asan/html-check
	@cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j $(JOBS)
	@tools/run-fuzz.sh build/fuzz/fuzz $(FUZZ_RUNS)

bench:
	@tools/ensure-deps.sh bench
	@cmake --preset bench >/dev/null
	cmake --build --preset bench -j $(JOBS)
	@tools/run-bench.sh build/bench

format:
	git ls-files '*.h' '*.cpp' | xargs clang-format -i

clean:
	rm -rf build
