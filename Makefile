# Zubrik: the front door. `make play` builds and starts the game; `make check`
# builds it and runs every test. Both install what is missing first.
# Copyright (c) 2026 the Zubrik developers. MIT licence.

BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: play check deps build pictures bench sanitize screenshot clean

play: build
	./$(BUILD)/zubrik

check: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

deps:
	./scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

bench: build
	./bench/run.sh $(BUILD)

# Every test again in a build of its own with AddressSanitizer and UBSan.
sanitize: deps
	cmake -S . -B $(BUILD)-sanitize -DCMAKE_BUILD_TYPE=Debug -DZUBRIK_SANITIZE=ON
	cmake --build $(BUILD)-sanitize -j$(JOBS)
	cd $(BUILD)-sanitize && ctest --output-on-failure -j$(JOBS)

screenshot: build
	./tests/screenshot.sh $(BUILD)/zubrik docs/screenshot.png

clean:
	rm -rf $(BUILD) $(BUILD)-sanitize
