# The two commands a newcomer needs: `make demo` and `make test`. Both install what is missing.
SHELL := /bin/bash
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_RUNS ?= 1000000
CRASH_KILLS ?= 200
JOBS ?= $(shell nproc)
SAMPLE ?= $(CURDIR)/sample
DEMO_OUT ?= $(CURDIR)/out/demo
SCREENSHOTS ?= $(CURDIR)/out/screenshots

PACKAGES := cmake ninja-build g++ pkg-config googletest libgtest-dev libgmock-dev \
  libbenchmark-dev libsqlite3-dev libsodium-dev qt6-base-dev qt6-translations-l10n libgl-dev libx11-dev \
  fonts-liberation xvfb xauth openbox locales poppler-utils libxtst-dev sqlite3 clang libclang-rt-14-dev \
  cups cups-bsd printer-driver-cups-pdf

.PHONY: all deps build check test asan-test fuzz crash-test release-check demo screenshots bench clean

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi
	@locale -a 2>/dev/null | grep -qi '^de_DE.utf8$$' || localedef -i de_DE -f UTF-8 de_DE.UTF-8 2>/dev/null || true

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKR_WERROR=ON

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

# Everything CI asks: the suite, the suite under the sanitizers, and a
# packager's Release build installed and run. `make check` is the suite alone.
test: check asan-test release-check

check: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) --timeout 300

$(ASAN_BUILD)/build.ninja:
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKR_SANITIZE=ON -DKR_BENCH=OFF -DKR_WERROR=ON

asan-test: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/.ci/lsan.supp UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS) --timeout 600

# The fuzz targets alone, built by clang with libFuzzer, ASan and UBSan; each
# (or each named in FUZZ_TARGETS) runs FUZZ_RUNS executions (make test replays
# their corpora without libFuzzer).
$(FUZZ_BUILD)/build.ninja:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKR_FUZZ=ON

fuzz: deps $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_RUNS) $(CURDIR)/out/fuzz

# LUD917 killed at CRASH_KILLS random moments (make test kills it 20 times).
crash-test: build
	KR_CRASH_KILLS=$(CRASH_KILLS) $(BUILD)/tests/installer/test_crash --gtest_brief=1

release-check: deps
	@scripts/release-check.sh

demo: build
	@scripts/demo.sh $(BUILD) $(SAMPLE) $(DEMO_OUT)

screenshots: build
	@scripts/screenshots.sh $(BUILD) $(SAMPLE) $(SCREENSHOTS)

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
