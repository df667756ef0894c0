# Zubrik: the front door. `make play` builds and starts the game; `make check`
# builds it and runs every test. Both install what is missing first.
# Copyright (c) 2026 the Zubrik developers. MIT licence.

BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# Set where the arm64 build is a cross build (see `arm64`).
ARM64_CROSS := $(filter-out arm64,$(shell dpkg --print-architecture 2>/dev/null))

.PHONY: play test check deps build deb pictures bench sanitize monkey screenshot clean exact headless
.PHONY: arm64 arm64-deps deb-arm64

play: build
	./$(BUILD)/zubrik

# Everyday work: the game and its fast tests, in a few minutes: the rules' and
# Qt's own, offscreen, the random play a tenth as long. Left out, for `check`:
# the runs of the real program on a display (end to end, the player's script,
# the screen reader, the command line under X) and the packages.
FAST_LEFT_OUT := ^(e2e_.*|scenario_.*|a11y_check|deb_check|tst_command_line)$$
test: build
	./scripts/install-deps.sh test
	cd $(BUILD) && ZUBRIK_MONKEY_ACTIONS=50000 ctest --output-on-failure -j$(JOBS) -E '$(FAST_LEFT_OUT)'

# Every test (the packages' among them: `deb` and `deb-arm64` first), then the
# game alone with no toolkit (see `headless`), then the arm64 build's tests
# under an emulator (see `arm64`), then the jump on a processor that fuses (see
# `exact`), then every test again under the sanitizers (see `sanitize`).
check: deps build deb $(if $(ARM64_CROSS),deb-arm64)
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)
	$(MAKE) headless
	$(MAKE) windows-check
	$(MAKE) web-check
	$(if $(ARM64_CROSS),$(MAKE) arm64,@echo "This machine is arm64 itself: make arm64 skipped")
	$(if $(EXACT),$(MAKE) exact,@echo "No x86-64-v3 processor here: make exact skipped")
	$(MAKE) sanitize

# Everything any target needs; each target installs only its own.
deps:
	./scripts/install-deps.sh

# The game and its rules' tests with no toolkit at all (ZUBRIK_TOOLKIT=headless):
# Qt is never looked for, and toolkit_free_check proves that no Qt header,
# include path or library is in it.
headless:
	./scripts/install-deps.sh core
	cmake -S . -B $(BUILD)-headless -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUBRIK_TOOLKIT=headless
	cmake --build $(BUILD)-headless -j$(JOBS)
	cd $(BUILD)-headless && ctest --output-on-failure -j$(JOBS)

# The game for Windows: build-windows/zubrik.exe, x86-64, statically linked,
# cross-built by mingw-w64 (cmake/x86_64-w64-mingw32.cmake), and the players'
# zip beside it. `windows-check` runs its tests under Wine, in a prefix of the
# build tree's own (tests/windows/wine_run.sh), the end-to-end ones under Xvfb;
# the random play a fifth as long (five seeds of 20,000 actions: the full
# 100,000 each would add half a minute).
# `windows-bench` prints the timer's pacing under Wine.
# A publisher signs zubrik.exe by naming a PKCS#12 certificate and a file
# holding its password (and, for a signature that outlives the certificate,
# an RFC 3161 time-stamping address):
#   make windows ZUBRIK_SIGN_PKCS12=cert.p12 ZUBRIK_SIGN_PASSWORD_FILE=pass.txt \
#     ZUBRIK_SIGN_TIMESTAMP_URL=http://timestamp.example
# Without them the program is built unsigned, and the build says so.
WINDOWS_PACKAGES := g++-mingw-w64-x86-64 wine osslsigncode openssl
.PHONY: windows windows-check windows-bench web web-check play-web
windows:
	./scripts/install-deps.sh core python3 $(WINDOWS_PACKAGES)
	cmake -S . -B $(BUILD)-windows -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/x86_64-w64-mingw32.cmake \
	  -DZUBRIK_SIGN_PKCS12=$(abspath $(ZUBRIK_SIGN_PKCS12)) \
	  -DZUBRIK_SIGN_PASSWORD_FILE=$(abspath $(ZUBRIK_SIGN_PASSWORD_FILE)) \
	  -DZUBRIK_SIGN_TIMESTAMP_URL=$(ZUBRIK_SIGN_TIMESTAMP_URL)
	cmake --build $(BUILD)-windows -j$(JOBS)

windows-check: windows
	./scripts/install-deps.sh desktop
	cd $(BUILD)-windows && ZUBRIK_MONKEY_ACTIONS=20000 ctest --output-on-failure -j$(JOBS)

windows-bench: windows
	./scripts/install-deps.sh desktop
	xvfb-run -a tests/windows/wine_run.sh $(BUILD)-windows/tests/windows/bench_ticks.exe

# The game as a web page: build-web/, a folder any static host can serve,
# built by emscripten in $(BUILD)-wasm (the page alone). `play-web` serves it
# on 127.0.0.1; `web-check` builds the rest and runs the rules' tests under
# Node and the page's in Chromium and Firefox. emcc needs Debian's acorn,
# which this machine's Node finds only through NODE_PATH.
# The browser tests' own: Debian's browsers, and Node for their driver (npm,
# which a Node from elsewhere carries itself, is installed only where missing).
WEB_PACKAGES := emscripten nodejs chromium firefox-esr python3-fonttools python3-brotli
WEB_ENV := NODE_PATH=/usr/share/nodejs
web:
	./scripts/install-deps.sh core $(WEB_PACKAGES)
	$(WEB_ENV) emcmake cmake -S . -B $(BUILD)-wasm -DCMAKE_BUILD_TYPE=Release \
	  -DZUBRIK_WEB_SITE=$(CURDIR)/$(BUILD)-web
	$(WEB_ENV) cmake --build $(BUILD)-wasm -j$(JOBS) --target zubrik_site

web-check: web
	command -v npm >/dev/null || ./scripts/install-deps.sh npm
	npm ci --prefix tests/web --ignore-scripts --no-audit --no-fund
	$(WEB_ENV) cmake --build $(BUILD)-wasm -j$(JOBS)
	cd $(BUILD)-wasm && $(WEB_ENV) ctest --output-on-failure -j$(JOBS)

play-web: web
	./scripts/serve-web.sh $(BUILD)-web

build:
	./scripts/install-deps.sh play
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

# The Debian package, built with dpkg-buildpackage in a copy of the work tree:
# $(BUILD)/deb/zubrik_*.deb. tests/deb_check.sh tests it.
deb:
	./scripts/install-deps.sh play build-essential dpkg-dev debhelper lintian
	./scripts/build-deb.sh $(BUILD)/deb $(JOBS)

# The package again, as Debian builds it: by sbuild, in a fresh Debian chroot
# holding build-essential and the Build-Depends alone, kept as a tarball in
# $(BUILD)/deb-clean/chroot/ for the next run. `check` builds it too, and
# tests/deb_check.sh checks it is the same as `deb`'s, byte for byte (the same
# files, where the chroot's compiler, Qt or debhelper are newer than this system's).
.PHONY: deb-clean
check: deb-clean
deb-clean:
	./scripts/install-deps.sh sbuild mmdebstrap uidmap
	./scripts/build-deb-clean.sh $(BUILD)/deb-clean $(JOBS)

# Repaints every picture in assets/pictures/ (the tests check they match).
pictures: build
	cmake --build $(BUILD) --target paint_pictures
	./$(BUILD)/tools/paint_pictures/paint_pictures assets/pictures

# The game for 64-bit ARM (arm64: a Raspberry Pi's Debian, say), cross-built in
# $(BUILD)-arm64 with cmake/aarch64-linux-gnu.cmake, and every test program
# (the rules' and Qt's) run there under qemu-user, offscreen. ctest puts the emulator before each
# test, and the tests that start the game name it themselves, so no binfmt_misc
# is needed. The jump test is the point: arm64 compilers fuse multiply-add
# unless told not to. `check` runs it where this machine is not arm64. Left out:
#   e2e_*, scenario_qt, a11y_check, install_check, windres_check, deb_check: runs of
#     this machine's display servers, desktop tools and packages, not of arm64 code;
#   pictures_match_painter: the painter is a tool of this machine, not built here;
#   tst_ending_run: one flight 999 times over through the window, three minutes
#     emulated; the flight is tst_jump's to the last bit, and the ending's
#     window tst_ending_shown's and tst_ending_process's, which run here.
# The random play is a tenth as long (50,000 actions): emulated, CI's 500,000
# would take some 17 minutes.
ARM64_LEFT_OUT := ^(e2e_.*|scenario_.*|a11y_check|install_check|windres_check|deb_check|pictures_match_painter|tst_ending_run)$$
arm64: arm64-deps
	cmake -S . -B $(BUILD)-arm64 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/aarch64-linux-gnu.cmake
	cmake --build $(BUILD)-arm64 -j$(JOBS) --target zubrik_unit_tests
	cd $(BUILD)-arm64 && ZUBRIK_MONKEY_ACTIONS=10000 ctest --output-on-failure -j$(JOBS) -E '$(ARM64_LEFT_OUT)'

arm64-deps:
	./scripts/install-deps.sh play build-essential dpkg-dev debhelper
	./scripts/install-arm64-deps.sh

# The package for arm64, cross-built: $(BUILD)/deb-arm64/zubrik_*_arm64.deb.
# deb_check lints it and compares it with this machine's.
deb-arm64: arm64-deps
	./scripts/build-deb.sh $(BUILD)/deb-arm64 $(JOBS) arm64

bench: build
	./bench/run.sh $(BUILD)

# The jump and frame tests again, built for x86-64 processors with fused
# multiply-add (x86-64-v3), where the compiler would fuse the jump's multiplies
# and subtracts if CMakeLists.txt did not forbid it: the jump test holds every
# height to the last bit. `check` runs it where the loader lists x86-64-v3 as
# supported, and always in CI, whose machines have it.
EXACT := $(or $(filter true,$(CI)),$(shell /lib64/ld-linux-x86-64.so.2 --help 2>/dev/null | grep 'x86-64-v3 .supported'))
exact:
	./scripts/install-deps.sh play
	cmake -S . -B $(BUILD)-v3 -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS=-march=x86-64-v3
	cmake --build $(BUILD)-v3 -j$(JOBS) --target tst_jump tst_frame
	cd $(BUILD)-v3 && ctest --output-on-failure -R '^tst_(jump|frame)$$'

# The tests again in a build of their own with AddressSanitizer (leak check
# included) and UBSan; optimised, so that half a million random actions fit.
# Left out there: the other end-to-end runs, the extra screen densities and the
# package, which add time and no code of ours that the rest does not reach (the
# Wayland run starts the game as another user, whom these settings would not
# reach anyway); scenario_qt, e2e_beep and a11y_check stay, as the leak check of
# real exits under X, of the event sound and of the accessibility bridge
# (inside a D-Bus session).
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
sanitize: deps
	cmake -S . -B $(BUILD)-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUBRIK_SANITIZE=ON
	cmake --build $(BUILD)-asan -j$(JOBS)
	cd $(BUILD)-asan && $(SANITIZE_ENV) dbus-run-session -- ctest --output-on-failure -j$(JOBS) \
	  -E '^(e2e_(highdpi|wayland)|tst_highdpi_.*|install_check|deb_check)$$'

# Random play at length: 10,000,000 actions over ten seeds (SEEDS, ACTIONS per seed).
SEEDS ?= 101,102,103,104,105,106,107,108,109,110
ACTIONS ?= 1000000
monkey: build
	cd $(BUILD) && ZUBRIK_MONKEY_SEEDS=$(SEEDS) ZUBRIK_MONKEY_ACTIONS=$(ACTIONS) ./tests/rules/tst_monkey

screenshot: build
	./scripts/install-deps.sh desktop
	./tests/screenshot.sh $(BUILD)/zubrik docs/screenshot.png

clean:
	rm -rf $(BUILD) $(BUILD)-asan $(BUILD)-v3 $(BUILD)-arm64 $(BUILD)-headless \
	  $(BUILD)-windows $(BUILD)-wasm $(BUILD)-web
