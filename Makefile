# make run: build and start the game.  make test: build under sanitizers and run every test.
# Each target runs a preset of CMakePresets.json (cmake --list-presets=all), which holds the
# build directories, their settings and the job counts.

.PHONY: deps build run test package pictures bench fuzz clean

deps:
	@tools/install-deps.sh

build: deps
	cmake --workflow --preset release

run: build
	build/ui/vexlar

test: deps
	cmake --workflow --preset test

# A Debian package of a release build, checked by lintian: build-package/vexlar_<version>_<arch>.deb.
# Built with Debian's hardening flags, as Debian builds its own packages.
package: deps
	eval "$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)" && \
	  cmake --preset package && cmake --build --preset package
	cd build-package && cpack
	lintian build-package/vexlar_*.deb

# Redraws the pictures in assets/ (they are committed; only a change to tools/pictures needs this).
pictures:
	@tools/install-deps.sh imagemagick
	cmake --preset release
	cmake --build --preset release --target pictures

# Benchmarks print figures; they are never part of the test suite. The application is measured on
# a real X server (Xvfb with openbox) at two screen sizes.
bench:
	@tools/install-deps.sh libbenchmark-dev
	cmake --preset bench
	cmake --build --preset bench
	build-bench/bench/vexlar_corebench
	for screen in 1920x1080 3840x2160; do \
	  bash tests/desktop-check.sh build-bench/bench/vexlar_appbench $$screen openbox || exit 1; done

# Ten minutes of libFuzzer over the game's event stream.
FUZZ_SECONDS ?= 600
fuzz:
	@tools/install-deps.sh clang libclang-rt-14-dev
	cmake --preset fuzz
	cmake --build --preset fuzz
	mkdir -p build-fuzz/corpus
	build-fuzz/fuzz/event_fuzz -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 build-fuzz/corpus

clean:
	rm -rf build build-test build-package build-bench build-fuzz
