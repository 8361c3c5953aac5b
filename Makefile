# Thin wrapper over CMake: `make run`, `make test`, `make bench`.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all build run test test-asan bench fuzz install screenshots clean

all: build

build:
	@tools/ensure-deps.sh run
	@test -f $(BUILD)/build.ninja || cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/zige

test:
	@tools/ensure-deps.sh test
	@$(MAKE) --no-print-directory build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan:
	ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 $(MAKE) test BUILD=build-asan CMAKE_FLAGS="-DZIGE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug"

bench:
	@tools/ensure-deps.sh bench
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DZIGE_BENCH=ON
	cmake --build build-bench -j $(JOBS)
	bench/run.sh build-bench

fuzz:
	@tools/ensure-deps.sh fuzz
	cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DZIGE_FUZZ=ON -DCMAKE_BUILD_TYPE=Debug
	cmake --build build-fuzz -j $(JOBS)
	fuzz/run.sh build-fuzz

# The README's pictures, taken by the end-to-end suite in a real X server.
screenshots: build
	/usr/bin/python3 tests/e2e/e2e.py $(BUILD) --screenshots docs

PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

clean:
	rm -rf build build-asan build-bench build-fuzz
