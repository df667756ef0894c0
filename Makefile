# Zubrik: the front door. `make play` builds and starts the game; `make check`
# builds it and runs every test. Both install what is missing first.
# Copyright (c) 2026 the Zubrik developers. MIT licence.

BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: play check deps build deb pictures bench sanitize monkey screenshot clean

play: build
	./$(BUILD)/zubrik

# Every test (the package's among them: `deb` first), then again under the sanitizers (see `sanitize`).
check: build deb
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)
	$(MAKE) sanitize

deps:
	./scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

# The Debian package, built with dpkg-buildpackage in a copy of the work tree:
# $(BUILD)/deb/zubrik_*.deb. tests/deb_check.sh tests it.
deb: deps
	./scripts/build-deb.sh $(BUILD)/deb $(JOBS)

# Repaints every picture in assets/pictures/ (the tests check they match).
pictures: build
	cmake --build $(BUILD) --target paint_pictures
	./$(BUILD)/tools/paint_pictures/paint_pictures assets/pictures

bench: build
	./bench/run.sh $(BUILD)

# The tests again in a build of their own with AddressSanitizer (leak check
# included) and UBSan; optimised, so that half a million random actions fit.
# Left out there: the other end-to-end runs and the extra screen densities,
# which add time and no code of ours that the rest does not reach; e2e_close
# stays, as the leak check of real exits under X (inside a D-Bus session).
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
sanitize: deps
	cmake -S . -B $(BUILD)-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUBRIK_SANITIZE=ON
	cmake --build $(BUILD)-asan -j$(JOBS)
	cd $(BUILD)-asan && $(SANITIZE_ENV) dbus-run-session -- ctest --output-on-failure -j$(JOBS) \
	  -E '^(e2e_(main_window|dialogs|ending|highdpi)|tst_highdpi_.*|install_check|deb_check)$$'

# Random play at length: 10,000,000 actions over ten seeds (SEEDS, ACTIONS per seed).
SEEDS ?= 101,102,103,104,105,106,107,108,109,110
ACTIONS ?= 1000000
monkey: build
	cd $(BUILD) && ZUBRIK_MONKEY_SEEDS=$(SEEDS) ZUBRIK_MONKEY_ACTIONS=$(ACTIONS) \
	  QT_QPA_PLATFORM=offscreen ./tests/tst_monkey

screenshot: build
	./tests/screenshot.sh $(BUILD)/zubrik docs/screenshot.png

clean:
	rm -rf $(BUILD) $(BUILD)-asan
