# make run: build and start the game.  make test: build under sanitizers and run every test.
JOBS ?= 2
# New build trees use Ninja: it compiles a program while the libraries it links still build.
export CMAKE_GENERATOR ?= Ninja
# One test more than cores: several checks wait on a display server or on the installed game's runs.
TEST_JOBS ?= $(shell expr $(JOBS) + 1)

.PHONY: deps build run test package pictures bench fuzz clean

deps:
	@tools/install-deps.sh

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXLAR_TESTS=OFF
	cmake --build build -j $(JOBS)

run: build
	build/ui/vexlar

# One compile per program or library: a fresh build parses the Qt headers once a program.
test: deps
	cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DVEXLAR_SANITIZE=ON -DCMAKE_UNITY_BUILD=ON \
	  -DCMAKE_UNITY_BUILD_BATCH_SIZE=0
	cmake --build build-test -j $(JOBS)
	cd build-test && ctest --output-on-failure -j $(TEST_JOBS)

# A Debian package of a release build, checked by lintian: build-package/vexlar_<version>_<arch>.deb.
# Built with Debian's hardening flags, as Debian builds its own packages.
package: deps
	export DEB_BUILD_MAINT_OPTIONS=hardening=+all; \
	cmake -S . -B build-package -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXLAR_TESTS=OFF \
	  -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)"
	cmake --build build-package -j $(JOBS)
	cd build-package && cpack
	lintian build-package/vexlar_*.deb

# Redraws the pictures in assets/ (they are committed; only a change to tools/pictures needs this).
pictures:
	@tools/install-deps.sh imagemagick
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXLAR_TESTS=OFF
	cmake --build build --target pictures -j $(JOBS)

# Benchmarks print figures; they are never part of the test suite. The application is measured on
# a real X server (Xvfb with openbox) at two screen sizes.
bench:
	@tools/install-deps.sh libbenchmark-dev
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DVEXLAR_TESTS=OFF -DVEXLAR_BENCH=ON
	cmake --build build-bench -j $(JOBS)
	build-bench/bench/vexlar_corebench
	for screen in 1920x1080 3840x2160; do \
	  bash tests/desktop-check.sh build-bench/bench/vexlar_appbench $$screen openbox || exit 1; done

# Ten minutes of libFuzzer over the game's event stream.
FUZZ_SECONDS ?= 600
fuzz:
	@tools/install-deps.sh clang libclang-rt-14-dev
	cmake -S fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++
	cmake --build build-fuzz -j $(JOBS)
	mkdir -p build-fuzz/corpus
	build-fuzz/event_fuzz -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 build-fuzz/corpus

clean:
	rm -rf build build-test build-package build-bench build-fuzz
