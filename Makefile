# SPDX-License-Identifier: GPL-3.0-or-later
# Thin wrapper over CMake: `make run`, `make test`, `make bench`, `make deb`.
# CMAKE_FLAGS go to CMake; a configured folder is configured again when they change.
# The developer targets (test, test-asan, bench, fuzz) build with -Werror, a user's `make run`
# does not: tools/configure.sh says how one folder serves both.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all build run test test-asan bench bench-smoke bench-build fuzz install deb format check-format \
        screenshots clean

all: build

build:
	@tools/ensure-deps.sh run
	@tools/configure.sh $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/zige

test:
	@tools/ensure-deps.sh test
	@tools/configure.sh --werror $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan:
	ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 $(MAKE) test BUILD=build-asan CMAKE_FLAGS="-DZIGE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug"

bench: bench-build
	bench/run.sh build-bench

# Every benchmark once and briefly, as CI runs them: the numbers say little, so rows that miss
# their targets are listed without failing, but benchmark code that no longer builds or runs shows.
bench-smoke: bench-build
	REPETITIONS=1 BENCHMARK_MIN_TIME=0.01 FAIL_ON_MISS=0 COPYBOOK_CHARACTERS=210 bench/run.sh build-bench

bench-build:
	@tools/ensure-deps.sh bench
	@tools/configure.sh --werror build-bench -DCMAKE_BUILD_TYPE=Release -DZIGE_BENCH=ON
	cmake --build build-bench -j $(JOBS)

fuzz:
	@tools/ensure-deps.sh fuzz
	@tools/configure.sh --werror build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DZIGE_FUZZ=ON -DCMAKE_BUILD_TYPE=Debug
	cmake --build build-fuzz -j $(JOBS) --target rtf_reader_fuzz stroke_table_fuzz
	fuzz/run.sh build-fuzz

# The README's pictures, taken by the end-to-end suite in a real X server; the word, dictation
# and stroke-order pages as `zige copybook` writes them.
PINYIN_WORDS = 学习 长(cháng)城 银行(háng) 快乐 春天 朋友
screenshots: build
	/usr/bin/python3 tests/e2e/e2e.py $(BUILD) --screenshots docs
	$(BUILD)/zige copybook '$(PINYIN_WORDS)' --words --pinyin --grid tian --traces 2 --rows 6 --dpi 96 -o docs/words.png
	$(BUILD)/zige copybook '$(PINYIN_WORDS)' --words --dictation --grid tian --rows 6 --dpi 96 -o docs/dictation.png
	$(BUILD)/zige copybook 永字 --stroke-order --stroke-numbers --grid tian --grid-color green \
	  --tint red --size 80 --grid-box 0,40,1750,1750 --columns 8 --rows 4 --cell-width 20 \
	  --cell-height 20 --row-gap 2 --left-margin 4 --right-margin 4 --top-margin 4 \
	  --bottom-margin 4 --dpi 150 -o docs/stroke-order.png

PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# build-deb/zige_VERSION_ARCH.deb: a Release build for /usr with all of Debian's hardening flags.
deb:
	@tools/ensure-deps.sh deb
	@export DEB_BUILD_MAINT_OPTIONS=hardening=+all && tools/configure.sh build-deb \
	  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	  "-DCMAKE_CXX_FLAGS=$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
	  "-DCMAKE_EXE_LINKER_FLAGS=$$(dpkg-buildflags --get LDFLAGS)" $(CMAKE_FLAGS)
	cmake --build build-deb -j $(JOBS)
	cd build-deb && cpack -G DEB

# The C++ sources, formatted with the checked-in .clang-format by the clang-format of Debian 12.
FORMATTED = $(sort $(shell find src tests bench fuzz tools \( -name '*.cpp' -o -name '*.h' \)))
format:
	@tools/ensure-deps.sh format
	clang-format-14 -i $(FORMATTED)

# Fails on any file that `make format` would change, or on a source file without its licence line.
check-format:
	@tools/ensure-deps.sh format
	clang-format-14 --dry-run --Werror $(FORMATTED)
	tools/check-spdx.sh

clean:
	rm -rf build build-asan build-bench build-fuzz build-deb
