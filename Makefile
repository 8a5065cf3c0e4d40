# The README's commands. Every target installs what is missing first.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZERS ?= fuzz_exchange $(if $(wildcard panel/vendorcontact.cpp),fuzz_panel)

.PHONY: all deps configure build test asan demo bench fuzz format clean

all: build

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

demo:
	@echo "The demo host application is not built yet."; exit 1

# libFuzzer harnesses under ASan and UBSan, built with clang; each runs for
# FUZZ_SECONDS on its seed corpus (fuzz/corpus/<harness>) plus what earlier
# runs found (fuzz/corpus-work/<harness>, not in git). Crash files land in
# fuzz/corpus-work/ too; the last lines of each log are printed.
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	    -DZVC_BUILD_FUZZ=ON -DZVC_SANITIZE=address,undefined \
	    -DZVC_BUILD_TESTS=OFF -DZVC_BUILD_APPS=OFF -DZVC_BUILD_DESIGNER_PLUGIN=OFF
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target $(FUZZERS)
	@for h in $(FUZZERS); do \
	    mkdir -p fuzz/corpus-work/$$h; \
	    echo "== $$h: $(FUZZ_SECONDS) s, log in $(FUZZ_BUILD)/$$h.log"; \
	    QT_QPA_PLATFORM=offscreen $(FUZZ_BUILD)/fuzz/$$h -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	        -dict=fuzz/exchange.dict -artifact_prefix=fuzz/corpus-work/$$h- \
	        fuzz/corpus-work/$$h fuzz/corpus/$$h > $(FUZZ_BUILD)/$$h.log 2>&1 \
	        || { tail -n 60 $(FUZZ_BUILD)/$$h.log; exit 1; }; \
	    grep -E '^#[0-9]+[[:space:]]+DONE|^stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)' \
	        $(FUZZ_BUILD)/$$h.log; \
	done

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)
