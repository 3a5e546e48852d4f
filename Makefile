# The two set-up commands of the README: `make demo` (the main job) and `make test` (every test).
# Both install what is missing and build first.

.PHONY: demo test run deps build build-dev screenshots clean

deps:
	scripts/install-deps

build: deps
	cmake --preset default >/dev/null
	cmake --build build

build-dev: deps
	cmake --preset dev >/dev/null
	cmake --build build-dev

# Writes the calculation books of examples/ into out/.
demo: build
	scripts/demo build/bin out

# Format check, the whole test suite (warnings are errors), and a short run of every fuzz target.
test: build-dev
	scripts/check-format
	ctest --test-dir build-dev --output-on-failure
	scripts/run-fuzzers

run: build
	cd build/bin && ./yunshan

# PNGs of the real windows and of every sketch kind, rendered offscreen, for review.
screenshots: build-dev
	mkdir -p out/screenshots out/sketches
	YUNSHAN_SCREENSHOT_DIR=$(CURDIR)/out/screenshots build-dev/bin/ui_tests --gtest_filter='Screenshots.*'
	YUNSHAN_SKETCH_DIR=$(CURDIR)/out/sketches build-dev/bin/report_tests --gtest_filter='SketchGallery.*'

clean:
	rm -rf build build-dev build-asan build-fuzz out
