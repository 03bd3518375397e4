# Front door for newcomers: each target configures and builds what it needs, then runs it.
JOBS ?= $(shell nproc)
FUZZ_RUNS ?= 100000
export GLIBC_TUNABLES ?= glibc.malloc.hugetlb=1

.PHONY: all demo test check bench windows windows-check format clean

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
	@if command -v x86_64-w64-mingw32-g++-posix >/dev/null && command -v wine >/dev/null; then \
	  $(MAKE) --no-print-directory windows-check VELK_LINUX_PRESET=asan; \
	else echo "No MinGW-w64 or Wine: Windows checks skipped (tools/ensure-deps.sh windows)"; fi

# Data.dll, velk.exe and the tests for 64-bit Windows, cross-built with MinGW-w64 into
# build/windows/bin.
windows:
	@tools/ensure-deps.sh windows
	@cmake --preset windows >/dev/null
	cmake --build --preset windows -j $(JOBS)

# The Windows build under Wine (no display needed; its prefix is build/wine): the tests, then
# velk.exe must print exactly what the Linux velk (of VELK_LINUX_PRESET) prints, line ends aside.
VELK_LINUX_PRESET ?= dev
VELK_LINUX = build/$(VELK_LINUX_PRESET)/tools/velk/velk
VELK_RUNS ?= "validate examples/ward.json" "summary examples/ward.json"
# A test is run a second time only when it fails the first: Wine itself, not the test, has
# failed a program once in a while; a test that fails twice fails the check. The Wine server
# that cmake/wine-run.sh keeps up is stopped however the check ends.
windows-check: windows
	@cmake --preset $(VELK_LINUX_PRESET) >/dev/null
	@cmake --build --preset $(VELK_LINUX_PRESET) --target velk >/dev/null
	@trap 'WINEPREFIX=$(CURDIR)/build/wine wineserver -k 2>/dev/null || true' EXIT; \
	(cd build/windows && ctest --output-on-failure --repeat until-pass:2 -j $(JOBS)) || exit 1; \
	for args in $(VELK_RUNS); do \
	  $(VELK_LINUX) $$args | sed -E 's/in [0-9.]+ ms/in - ms/' > build/windows/velk-linux.txt; \
	  cmake/wine-run.sh build/windows/bin/velk.exe $$args | tr -d '\r' \
	    | sed -E 's/in [0-9.]+ ms/in - ms/' > build/windows/velk-wine.txt; \
	  diff -u build/windows/velk-linux.txt build/windows/velk-wine.txt || exit 1; \
	  echo "velk.exe $$args under Wine prints what $(VELK_LINUX) prints (load time aside)"; \
	done

bench:
	@tools/ensure-deps.sh bench
	@cmake --preset bench >/dev/null
	cmake --build --preset bench -j $(JOBS)
	@tools/run-bench.sh build/bench

format:
	git ls-files '*.h' '*.cpp' | xargs clang-format -i

clean:
	rm -rf build
