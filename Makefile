# SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
# SPDX-License-Identifier: MIT

# The README's commands. Every target installs what is missing first.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZERS ?= fuzz_exchange fuzz_panel

.PHONY: all deps configure build test asan demo screenshots bench fuzz format clean docs package abi-baseline

all: build

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)
	$(MAKE) asan

# The whole test suite again, built with AddressSanitizer (LeakSanitizer
# included) and UndefinedBehaviorSanitizer; the first report fails its test.
# Qt itself is not instrumented, so only our code is checked for memory
# errors; leaks are checked everywhere, with the suppressions file for
# system libraries that keep allocations until exit. The package test builds
# an outside host program without the sanitizers that loads the instrumented
# library, so the runtime may come second in its library list.
ASAN_ENV = QT_QPA_PLATFORM=offscreen \
    ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1:verify_asan_link_order=0 \
    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

#
# It is built with clang, the fuzzers' compiler, and builds the fuzz harnesses
# too (built only, without libFuzzer's coverage on the library; make fuzz runs
# them): code that only g++ accepts fails here, not first in make fuzz. A tree
# configured earlier with another compiler is started afresh.
asan: deps
	@if [ -f $(ASAN_BUILD)/CMakeCache.txt ] && \
	    ! grep -q '^CMAKE_CXX_COMPILER:[A-Z]*=.*clang++' $(ASAN_BUILD)/CMakeCache.txt; then \
	    echo "$(ASAN_BUILD) was configured with another compiler: starting it afresh with clang++"; \
	    rm -rf $(ASAN_BUILD); \
	fi
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	    -DZVC_SANITIZE=address,undefined -DZVC_BUILD_FUZZ=ON -DZVC_FUZZ_COVERAGE=OFF $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && $(ASAN_ENV) ctest --output-on-failure -j$(JOBS)

# The demo host: a vendor address book on SQLite. With a display it opens
# the window on the default database ($XDG_DATA_HOME/ZebVendorContact/
# vendors.sqlite, created with the sample vendors on first run), which keeps
# what you save between runs. Without one it renders the window offscreen on a
# fresh database in $(BUILD) (--create: nobody is there to be asked before it
# is created), writes the screenshot and prints what it loaded and what the
# control hands back.
DEMO_HOST = $(BUILD)/bin/vendorcontact-host
DEMO_SCREENSHOT ?= $(BUILD)/demo-screenshot.png
# DEMO_ARGS go to the host, for instance --language de or --color-scheme dark.
DEMO_ARGS ?=
DEMO_DATABASE ?= $(BUILD)/demo-vendors.sqlite

demo: configure
	cmake --build $(BUILD) -j$(JOBS) --target vendorcontact-host
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
		echo "Opening the vendor address book; edit an address, Save, close, and run make demo again."; \
		$(DEMO_HOST) $(DEMO_ARGS); \
	else \
		echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): running the demo host offscreen."; \
		rm -f $(DEMO_DATABASE) $(DEMO_DATABASE)-wal $(DEMO_DATABASE)-shm; \
		QT_QPA_PLATFORM=offscreen $(DEMO_HOST) --database sqlite:$(DEMO_DATABASE) --create \
			--screenshot $(DEMO_SCREENSHOT) --print-log --print-export $(DEMO_ARGS) \
			>$(BUILD)/demo-export.txt 2>$(BUILD)/demo-log.txt; status=$$?; \
		echo; echo "What the host did (database, vendors, addresses), with the results:"; \
		if [ $$status -eq 0 ]; then grep -E '^[0-9]+  ' $(BUILD)/demo-log.txt | sed 's/^/  /'; \
		else sed 's/^/  /' $(BUILD)/demo-log.txt; fi; \
		echo; echo "What the control hands back (GetContactAddress):"; \
		if grep -q . $(BUILD)/demo-export.txt; then sed 's/^/  /' $(BUILD)/demo-export.txt; \
		else echo "  nothing: no address was added or changed"; fi; \
		echo; \
		if [ $$status -eq 0 ]; then echo "Screenshot of the window: $(DEMO_SCREENSHOT)"; \
		else echo "The demo host failed (exit status $$status)."; fi; \
		exit $$status; \
	fi

# The README's pictures, made by the demo's offscreen path: light, dark and
# German.
screenshots:
	env -u DISPLAY -u WAYLAND_DISPLAY $(MAKE) --no-print-directory demo \
	    DEMO_SCREENSHOT=$(CURDIR)/docs/screenshot.png DEMO_ARGS="--language en"
	env -u DISPLAY -u WAYLAND_DISPLAY $(MAKE) --no-print-directory demo \
	    DEMO_SCREENSHOT=$(CURDIR)/docs/screenshot-dark.png DEMO_ARGS="--language en --color-scheme dark"
	env -u DISPLAY -u WAYLAND_DISPLAY $(MAKE) --no-print-directory demo \
	    DEMO_SCREENSHOT=$(CURDIR)/docs/screenshot-de.png DEMO_ARGS="--language de"

# The benchmarks, built in Release: every case's median time with its ratio
# to the two references (a memchr pass over the load text, the stock
# QTreeWidget route), then the heap a loaded control holds, and the picture
# of the load's and the stock route's time against the address count
# (docs/bench-load.png, drawn by gnuplot). Google Benchmark's own report goes
# to $(BENCH_BUILD)/bench-report.txt; BENCH_ARGS go to it (for instance
# --benchmark_filter=load).
BENCH_BUILD ?= build-bench
BENCH_ARGS ?=

bench: deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DZVC_BUILD_BENCH=ON $(CMAKE_FLAGS)
	cmake --build $(BENCH_BUILD) -j$(JOBS) --target bench_vendorcontact bench_memory bench_addressbook bench_sessions bench_opening bench_scale
	@echo "Running the benchmarks (about a minute; details in $(BENCH_BUILD)/bench-report.txt)"
	QT_QPA_PLATFORM=offscreen $(BENCH_BUILD)/bench/bench_vendorcontact --benchmark_color=false \
	    --report=$(BENCH_BUILD)/bench-report.txt --plot-data=$(BENCH_BUILD)/bench-plot.dat $(BENCH_ARGS)
	QT_QPA_PLATFORM=offscreen $(BENCH_BUILD)/bench/bench_memory
	@if [ -s $(BENCH_BUILD)/bench-plot.dat ]; then \
	    gnuplot -e "data='$(BENCH_BUILD)/bench-plot.dat'; out='docs/bench-load.png'" bench/plot.gp && \
	    echo "Time against address count: docs/bench-load.png"; \
	fi
	@echo "The address book on SQLite and on PostgreSQL, beside the stock Qt route:"
	QT_QPA_PLATFORM=offscreen $(BENCH_BUILD)/bench/bench_addressbook --benchmark_color=false
	@echo "Eight sessions saving one vendor at once:"
	$(BENCH_BUILD)/bench/bench_sessions
	@echo "Opening a large SQLite file: what the integrity check costs:"
	$(BENCH_BUILD)/bench/bench_opening
	@echo "The address book at 100,000 vendors and 2,000,000 addresses, beside the sample database:"
	QT_QPA_PLATFORM=offscreen $(BENCH_BUILD)/bench/bench_scale

# libFuzzer harnesses under ASan and UBSan, built with clang; each runs for
# FUZZ_SECONDS on its seed corpus (fuzz/corpus/<harness>) plus what earlier
# runs found (fuzz/corpus-work/<harness>, not in git). Crash files land in
# fuzz/corpus-work/ too; the last lines of each log are printed.
# ASan records the stack of every allocation and free, walking frame pointers;
# the system's Qt has none, so past the first two frames the walk reads stack
# data that differs from run to run, and ASan keeps each such "stack" for good
# (about 10 KB a run, without end). Two frames keep the fuzzer's memory flat;
# the bad access itself is still reported with its whole stack, and a crash
# file replayed by tst_regressions in build-asan/ gives full stacks throughout.
FUZZ_ASAN_OPTIONS = malloc_context_size=2

fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	    -DZVC_BUILD_FUZZ=ON -DZVC_SANITIZE=address,undefined \
	    -DZVC_BUILD_TESTS=OFF -DZVC_BUILD_APPS=OFF -DZVC_BUILD_DESIGNER_PLUGIN=OFF
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target $(FUZZERS)
	@for h in $(FUZZERS); do \
	    mkdir -p fuzz/corpus-work/$$h; \
	    echo "== $$h: $(FUZZ_SECONDS) s, log in $(FUZZ_BUILD)/$$h.log"; \
	    QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=$(FUZZ_ASAN_OPTIONS) \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp \
	    $(FUZZ_BUILD)/fuzz/$$h -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	        -dict=fuzz/exchange.dict -artifact_prefix=fuzz/corpus-work/$$h- \
	        fuzz/corpus-work/$$h fuzz/corpus/$$h > $(FUZZ_BUILD)/$$h.log 2>&1 \
	        || { tail -n 60 $(FUZZ_BUILD)/$$h.log; exit 1; }; \
	    grep -E '^#[0-9]+[[:space:]]+DONE|^stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)' \
	        $(FUZZ_BUILD)/$$h.log; \
	done

# The reference for host developers: Doxygen over the public headers with the
# guide in docs/mainpage.md as its main page. Any Doxygen warning fails it
# (make test runs it too). HTML in $(BUILD)/docs/html, the Qt help file for Qt
# Creator and Assistant in $(BUILD)/docs/ZebVendorContact.qch.
docs: configure
	cmake --build $(BUILD) --target docs

# Debian packages of the build (CPack): the library with its catalogs, -dev
# (with the examples), -doc (the reference), the Designer plug-in and the demo
# host, in $(BUILD)/packages/, each with its copyright, changelog.Debian and
# manual pages. Binaries are stripped; dependencies come from dpkg-shlibdeps.
# make test checks them with lintian.
PACKAGE_TARGETS = ZebVendorContact ZebVendorContactClient zvc-regsvr zebvendorcontactdesigner vendorcontact-host \
    zvc_package_files docs

package: configure
	cmake --build $(BUILD) -j$(JOBS) --target $(PACKAGE_TARGETS)
	cd $(BUILD) && cpack -G DEB --config CPackConfig.cmake
	@ls -1 $(BUILD)/packages/*.deb

# Writes abi/ZebVendorContact.abi from the library as built now. Only for a
# deliberate change of the library's interface that the abi_check test
# reported as compatible (an addition); commit the file with the change.
abi-baseline: configure
	cmake --build $(BUILD) --target abi-baseline

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)
