# The two commands of the README, and their helpers.
#   make run    installs what is missing, builds, and starts Korvane under Wine
#   make test   installs what is missing, builds, and runs every test
BUILD   ?= build
MAKEFLAGS += --no-print-directory
JOBS    ?= $(shell nproc)
# Each build folder has a Wine prefix of its own.
export WINEPREFIX := $(abspath $(BUILD))/wineprefix

.PHONY: all setup build test run bench clean

all: build

setup:
	@bash scripts/setup

$(BUILD)/CMakeCache.txt: | setup
	cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release

build: setup $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

test: build
	bash scripts/wine-session --own-display ctest --test-dir $(BUILD) --output-on-failure --timeout 300

run: build
	bash scripts/run-korvane $(BUILD)

# Benchmarks against baselines of the same run; prints one table.
bench: build
	bash scripts/wine-session --own-display bash bench/run-bench $(BUILD)

clean:
	rm -rf $(BUILD)
