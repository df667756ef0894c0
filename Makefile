# Zubrik: the front door. `make play` builds and starts the game; `make check`
# builds it and runs every test. Both install what is missing first.
# Copyright (c) 2026 the Zubrik developers. MIT licence.

BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: play check deps build pictures bench sanitize clean

play: build
	./$(BUILD)/zubrik

check: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

deps:
	./scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

clean:
	rm -rf $(BUILD)
