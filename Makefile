# The two commands: `make run` and `make test`. Each stage installs the Debian
# packages it needs and is missing first (scripts/install-deps.sh STAGE).
PRESET ?= $(if $(CI),ci,default)
BUILD_DIR := build/$(PRESET)
EXE := $(BUILD_DIR)/ui/river-mouth-quiz

.PHONY: all configure build run test screenshot clean

all: build

# A static pattern rule: make looks for no implicit rule for a phony target, so
# a plain "deps-%:" would never run for these.
DEPS := $(addprefix deps-,run test package windows web sanitize bench fresh-debian)
.PHONY: $(DEPS)
$(DEPS): deps-%:
	@scripts/install-deps.sh $*

configure: deps-run
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET)

run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
		echo "No display to open the window on: run it as 'xvfb-run -a $(EXE)', or from a desktop session."; \
		exit 1; \
	fi
	@$(EXE)

test: deps-test build
	@ctest --preset $(PRESET)
	@$(MAKE) --no-print-directory test-windows
	@$(MAKE) --no-print-directory test-web

# The Windows programs' tests, under Wine on a virtual display: the 64-bit
# build's, with the zip and the installer, then the 32-bit build's.
.PHONY: test-windows
test-windows: windows
	@ctest --preset windows
	@ctest --preset windows-x86
	@tests/win32/wine32.sh || \
		echo "The 32-bit Windows tests were skipped: Wine's 32-bit half (Debian's wine32:i386) is not installed."

screenshot: deps-test build
	@scripts/screenshot.sh $(EXE)

clean:
	rm -rf build

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
.PHONY: test-sanitize
test-sanitize: deps-sanitize
	@cmake --preset sanitize >/dev/null
	@cmake --build --preset sanitize
	@ctest --preset sanitize

# The Windows program, cross-compiled, 64-bit in build/windows/win32/river-mouth-quiz.exe
# and 32-bit in build/windows-x86/win32/river-mouth-quiz.exe.
.PHONY: windows
windows: deps-windows
	@cmake --preset windows -DRMQ_WARNINGS_AS_ERRORS=$(if $(CI),ON,OFF) >/dev/null
	@cmake --build --preset windows
	@cmake --preset windows-x86 -DRMQ_WARNINGS_AS_ERRORS=$(if $(CI),ON,OFF) >/dev/null
	@cmake --build --preset windows-x86

# The Windows program's zip (the 32-bit .exe) and installer (both), in build/windows/:
# river-mouth-quiz-<version>-windows.zip and river-mouth-quiz-<version>-windows-setup.exe
.PHONY: windows-package
windows-package: windows
	@cmake --build --preset windows --target windows-package

# The page for the browser, one file: build/web/river-mouth-quiz.html
.PHONY: web
web: deps-web
	@cmake --preset web -DRMQ_WARNINGS_AS_ERRORS=$(if $(CI),ON,OFF) >/dev/null
	@cmake --build --preset web

# The page's tests: the game's own under Node, the page in real browsers.
.PHONY: test-web
test-web: web
	@ctest --preset web

# Speed, memory and idle CPU against a bare Qt window, then the Windows
# programs under Wine against a bare Win32 window (in a Wine prefix of the
# bench's own, build/bench/wine), then the web page's start against a plain
# page in Chromium; never part of `make test`.
.PHONY: bench bench-web
bench: deps-bench windows
	@cmake --preset bench >/dev/null
	@cmake --build --preset bench
	@xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bench/run.sh build/bench
	@bench/wine_pair.sh build/bench/tests/footprint/window_driver build/bench/wine 11 \
		64-bit build/windows/win32/river-mouth-quiz.exe build/windows/bench/bare-window-win32.exe \
		32-bit build/windows-x86/win32/river-mouth-quiz.exe build/windows-x86/bench/bare-window-win32.exe
	@$(MAKE) --no-print-directory bench-web

bench-web: web
	@tests/web/install.sh
	@node bench/page_bench.mjs build/web

# The two commands on a fresh Debian 13 or 12, made in build/debian13 or
# build/debian12 with mmdebstrap (as root, or through sudo); never part of
# `make test`.
.PHONY: test-debian13 test-debian12
test-debian13 test-debian12: test-debian%: deps-fresh-debian
	@scripts/fresh-debian.sh $*

# The Debian package, left in the build folder: $(BUILD_DIR)/river-mouth-quiz_*.deb
.PHONY: package
package: deps-package build
	@cmake --build --preset $(PRESET) --target package
