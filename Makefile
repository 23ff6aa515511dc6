# Entry points. Each target does its own set-up on a fresh Debian machine.
#   make test   every test: host unit tests (also under sanitizers), a short run of
#               every fuzz target, Windows tests under Wine, end to end
#   make fuzz   every fuzz target for FUZZ_SECONDS (60) seconds each
#   make demo   the sample CD checked, created and imaged by discwright-cli, then
#               plays the sample CDs (demo/) under Wine; without a display a guided
#               tour photographs every window into build/win32/demo-screenshots
#   make bench  builds the release programs and prints the performance figures
#   make package  the 32-bit programs and the kit's installer,
#               build/package/ZoruzazAZ-4.07-setup.exe
#   make install PREFIX=DIR  the command-line tool for Linux, DIR/bin/discwright-cli,
#               and the 32-bit Vendisc.exe it copies, DIR/share/discwright/Vendisc.exe

BUILD ?= build
HOST_DIR := $(BUILD)/host
WIN_DIR := $(BUILD)/win32
WIN64_DIR := $(BUILD)/win64
SANITIZE_DIR := $(BUILD)/sanitize
FUZZ_DIR := $(BUILD)/fuzz
PACKAGE_DIR := $(BUILD)/package
CLI_DIR := $(BUILD)/cli
PREFIX ?= /usr/local
SETUP := ZoruzazAZ-4.07-setup.exe
# make fuzz: seconds per target; the smoke run in make test is short.
FUZZ_SECONDS ?= 60
FUZZ_SMOKE_SECONDS ?= 3
JOBS ?= $(shell nproc)

.PHONY: all deps host win32 win64 test test-host test-win32 test-win64 test-sanitize test-fuzz-smoke fuzz \
        fuzz-build demo bench package cli install clean format

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

win64: deps
	@cmake --preset win64 -B $(WIN64_DIR) >/dev/null
	@cmake --build $(WIN64_DIR) -j $(JOBS)

# The Windows tests run on the shipped 32-bit build. A machine that cannot run
# 32-bit code at all (some virtual machines) runs them on a 64-bit build of the
# same sources under 64-bit Wine instead; the 32-bit programs are still built.
test-win32: win32
	@if tools/can-run-32bit; then tools/run-win32-tests $(WIN_DIR); else \
	  echo "This machine cannot run 32-bit programs: the Windows tests run on the 64-bit build."; \
	  $(MAKE) --no-print-directory test-win64; fi

test-win64: win64
	@tools/run-win32-tests $(WIN64_DIR)

# The host unit tests again, built with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer; any report fails the test that made it.
test-sanitize: deps
	@cmake --preset sanitize -B $(SANITIZE_DIR) >/dev/null
	@cmake --build $(SANITIZE_DIR) -j $(JOBS)
	@cd $(SANITIZE_DIR) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

fuzz-build: deps
	@cmake --preset fuzz -B $(FUZZ_DIR) >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS)

# Every fuzz target for FUZZ_SECONDS (default 60) each.
fuzz: fuzz-build
	@tools/fuzz $(FUZZ_DIR) $(FUZZ_SECONDS)

# A few seconds per target, so that the targets keep building and the seeds
# keep passing.
test-fuzz-smoke: fuzz-build
	@tools/fuzz $(FUZZ_DIR) $(FUZZ_SMOKE_SECONDS)

test: test-host test-sanitize test-fuzz-smoke test-win32

# The sample CD is also imaged by the Linux tool, beside the Windows tool's image.
demo: win32 cli
	@if tools/can-run-32bit; then DEMO_CLI=$(CLI_DIR)/src/cli/discwright-cli tools/demo $(WIN_DIR); else \
	  echo "This machine cannot run 32-bit programs: the demo plays the 64-bit build."; \
	  $(MAKE) --no-print-directory win64 && \
	  DEMO_CLI=$(CLI_DIR)/src/cli/discwright-cli tools/demo $(WIN64_DIR); fi

bench: deps
	@bench/run $(BUILD)/bench

# Only the programs the installer packs are built (target kit_installer), not
# the tests. A 64-bit installer for the test build: tools/make-installer build/win64 OUT.
package: deps
	@cmake --preset win32 -B $(WIN_DIR) >/dev/null
	@cmake --build $(WIN_DIR) -j $(JOBS) --target kit_installer
	@mkdir -p $(PACKAGE_DIR)
	@cp $(WIN_DIR)/installer/$(SETUP) $(PACKAGE_DIR)/$(SETUP)
	@echo "package: $(PACKAGE_DIR)/$(SETUP)"

# The Linux tool built for use (optimised, no tests).
cli: deps
	@cmake -S . -B $(CLI_DIR) -DCMAKE_BUILD_TYPE=MinSizeRel -DVENDISC_TESTS=OFF >/dev/null
	@cmake --build $(CLI_DIR) -j $(JOBS) --target discwright-cli

# The Linux tool and the shipped starter.
install: cli
	@cmake --preset win32 -B $(WIN_DIR) >/dev/null
	@cmake --build $(WIN_DIR) -j $(JOBS) --target Vendisc
	@install -d "$(DESTDIR)$(PREFIX)/bin" "$(DESTDIR)$(PREFIX)/share/discwright"
	@install -m 755 -s $(CLI_DIR)/src/cli/discwright-cli "$(DESTDIR)$(PREFIX)/bin/discwright-cli"
	@install -m 644 $(WIN_DIR)/src/starter/Vendisc.exe \
	  "$(DESTDIR)$(PREFIX)/share/discwright/Vendisc.exe"
	@echo "install: $(PREFIX)/bin/discwright-cli, $(PREFIX)/share/discwright/Vendisc.exe"

format:
	@find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
