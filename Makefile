# SPDX-License-Identifier: LicenseRef-proprietary
# Wraps CMake: `make run` and `make test` set up everything they need first.
# Each target installs the set of Debian packages it needs (scripts/install-deps.sh):
# run to build and run, test for the test suite, dev for the CI gates.
BUILD_DIR      ?= build
SANITIZE_DIR   ?= build-sanitize
FUZZ_DIR       ?= build-fuzz
BUILD_TYPE     ?= RelWithDebInfo
JOBS           ?= $(shell nproc)
FUZZ_SECONDS   ?= 60
DEPS           ?= run

.PHONY: all deps configure build run test test-all test-sanitize fuzz fuzz-run bench screenshots format-check tidy package package-check clean

all: build

test test-all: DEPS = test
screenshots: DEPS = test
test-sanitize fuzz fuzz-run format-check tidy package package-check: DEPS = dev

deps:
	@./scripts/install-deps.sh $(DEPS)

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/railpin

# Everything but the long tests: under a minute on two cores.
test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) -LE long

# Every test, the long ones included, as CI runs them.
test-all: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The suite again under AddressSanitizer and UndefinedBehaviorSanitizer. The
# long Auto comparison is left to test-all: its sample of 5,000 cases runs
# here, while the 100,000 would take many minutes in a sanitized debug build.
test-sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DRAILPIN_SANITIZE=ON > /dev/null
	@cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --output-on-failure -j $(JOBS) -LE long

# libFuzzer targets, built with clang and the sanitizers.
fuzz: deps
	@cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
		-DRAILPIN_FUZZ=ON -DBUILD_TESTING=OFF > /dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzzers

# Runs every fuzz target for FUZZ_SECONDS; any crash fails.
fuzz-run: fuzz
	./scripts/run-fuzzers.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

bench: build
	./bench/run-benchmarks.sh $(BUILD_DIR)

# README's pictures of the job window into docs/, made on a virtual X display
# so that they show the fonts a user sees (xvfb-run comes with the test set).
screenshots: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target railpin_screenshots
	@runtime=$${XDG_RUNTIME_DIR:-$$(mktemp -d)}; \
	XDG_RUNTIME_DIR=$$runtime env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
		./$(BUILD_DIR)/screenshots/railpin_screenshots --out docs; status=$$?; \
	[ -n "$${XDG_RUNTIME_DIR:-}" ] || rm -rf "$$runtime"; exit $$status

format-check: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

tidy: build
	./scripts/run-clang-tidy.sh $(BUILD_DIR)

package: build
	cd $(BUILD_DIR) && cpack -G DEB

# Builds the .deb, installs it, validates what it installed, starts the
# installed program once and removes the package again.
package-check:
	BUILD_DIR=$(BUILD_DIR) ./scripts/check-package.sh

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR)
