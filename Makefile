# Entry points. Each target does its own set-up on a fresh Debian machine.
#   make test   every test: host unit tests, Windows tests under Wine, end to end
#   make demo   runs Vendisc on the sample CD under Wine and saves screenshots
#   make bench  builds the release programs and prints the performance figures

BUILD ?= build
HOST_DIR := $(BUILD)/host
WIN_DIR := $(BUILD)/win32
JOBS ?= $(shell nproc)

.PHONY: all deps host win32 test test-host test-win32 demo bench clean format

all: host win32

deps:
	@tools/install-deps

host: deps
	@cmake --preset host -B $(HOST_DIR) >/dev/null
	@cmake --build $(HOST_DIR) -j $(JOBS)

win32: deps
	@cmake --preset win32 -B $(WIN_DIR) >/dev/null
	@cmake --build $(WIN_DIR) -j $(JOBS)

test-host: host
	@cd $(HOST_DIR) && ctest --output-on-failure -j $(JOBS)

test-win32: win32
	@tools/run-win32-tests $(WIN_DIR)

test: test-host test-win32

demo: win32
	@tools/demo $(WIN_DIR)

bench: deps
	@bench/run $(BUILD)/bench

format:
	@find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
