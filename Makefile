# Zamo: the everyday commands. `make run` and `make test` work on a fresh
# Debian machine: they install what is missing first.

BUILD      ?= build
BUILD_TYPE ?= Release
JOBS       ?= 2
CMAKE_ARGS ?=

.PHONY: all deps configure build run test bench fuzz install clean

all: build

deps:
	@scripts/install-deps

# The build folder remembers the BUILD_TYPE and CMAKE_ARGS it was set up
# with; other ones set it up afresh (a clean cache, so that an option left
# out is really gone), and ninja rebuilds only what the change touches.
CONFIG_STAMP = $(BUILD)/.zamo-configuration
configure: deps
	@want='$(BUILD_TYPE) $(CMAKE_ARGS)'; \
	if [ ! -f $(BUILD)/build.ninja ] || [ "$$(cat $(CONFIG_STAMP) 2>/dev/null)" != "$$want" ]; then \
	  if [ -f $(CONFIG_STAMP) ]; then rm -f $(BUILD)/CMakeCache.txt; fi; \
	  cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_ARGS) && \
	  printf '%s\n' "$$want" > $(CONFIG_STAMP); \
	fi

build: configure
	cmake --build $(BUILD) -j$(JOBS)

# Starts the program on the per-user data folder, which gets the shipped
# files of data/ (language file, sample prices, logo, sample cameras) that
# it does not have yet. ARGS="FILE.kry" opens camera files directly.
run: build
	$(BUILD)/bin/zamo $(ARGS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

bench: build
	@scripts/run-benchmarks $(BUILD)

# libFuzzer targets, each run for FUZZ_SECONDS under ASan and UBSan.
FUZZ_SECONDS ?= 60
FUZZ_BUILD   ?= build-fuzz
fuzz: deps
	@if [ ! -f $(FUZZ_BUILD)/build.ninja ]; then \
	  CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DZAMO_FUZZ=ON -DZAMO_SANITIZE=ON -DZAMO_BENCH=OFF; \
	fi
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target zamo_fuzzers
	@scripts/run-fuzzers $(FUZZ_BUILD) $(FUZZ_SECONDS)

install: build
	cmake --install $(BUILD) $(if $(PREFIX),--prefix $(PREFIX),)

clean:
	rm -rf $(BUILD) build-asan $(FUZZ_BUILD)
