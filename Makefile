# The two commands: `make run` and `make test`. Each installs what is missing first.
PRESET ?= $(if $(CI),ci,default)
BUILD_DIR := build/$(PRESET)
EXE := $(BUILD_DIR)/ui/river-mouth-quiz

.PHONY: all deps configure build run test screenshot clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET)

run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
		echo "No display to open the window on: run it as 'xvfb-run -a $(EXE)', or from a desktop session."; \
		exit 1; \
	fi
	@$(EXE)

test: build
	@ctest --preset $(PRESET)
	@$(MAKE) --no-print-directory test-windows
	@$(MAKE) --no-print-directory test-web

# The Windows program's tests, under Wine on a virtual display.
.PHONY: test-windows
test-windows: windows
	@ctest --preset windows

screenshot: build
	@scripts/screenshot.sh $(EXE)

clean:
	rm -rf build

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
.PHONY: test-sanitize
test-sanitize: deps
	@cmake --preset sanitize >/dev/null
	@cmake --build --preset sanitize
	@ctest --preset sanitize

# The Windows program, cross-compiled: build/windows/win32/river-mouth-quiz.exe
.PHONY: windows
windows: deps
	@cmake --preset windows -DRMQ_WARNINGS_AS_ERRORS=$(if $(CI),ON,OFF) >/dev/null
	@cmake --build --preset windows

# The Windows program's zip and installer, beside it in build/windows/:
# river-mouth-quiz-<version>-win64.zip and river-mouth-quiz-<version>-win64-setup.exe
.PHONY: windows-package
windows-package: windows
	@cmake --build --preset windows --target windows-package

# The page for the browser, one file: build/web/river-mouth-quiz.html
.PHONY: web
web: deps
	@cmake --preset web -DRMQ_WARNINGS_AS_ERRORS=$(if $(CI),ON,OFF) >/dev/null
	@cmake --build --preset web

# The page's tests: the game's own under Node, the page in real browsers.
.PHONY: test-web
test-web: web
	@ctest --preset web

# Speed, memory and idle CPU against a bare Qt window, and the web page's start
# against a plain page in Chromium; never part of `make test`.
.PHONY: bench bench-web
bench: deps
	@cmake --preset bench >/dev/null
	@cmake --build --preset bench
	@xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bench/run.sh build/bench
	@$(MAKE) --no-print-directory bench-web

bench-web: web
	@tests/web/install.sh
	@node bench/page_bench.mjs build/web

# The Debian package, left in the build folder: $(BUILD_DIR)/river-mouth-quiz_*.deb
.PHONY: package
package: build
	@cmake --build --preset $(PRESET) --target package
