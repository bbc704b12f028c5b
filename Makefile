# make run: build and start the game.  make test: build under sanitizers and run every test.
JOBS ?= 2

.PHONY: deps build run test pictures clean

deps:
	@tools/install-deps.sh

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXLAR_TESTS=OFF
	cmake --build build -j $(JOBS)

run: build
	build/ui/vexlar

test: deps
	cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DVEXLAR_SANITIZE=ON
	cmake --build build-test -j $(JOBS)
	cd build-test && ctest --output-on-failure -j $(JOBS)

# Redraws the pictures in assets/ (they are committed; only a change to tools/pictures needs this).
pictures:
	@tools/install-deps.sh imagemagick
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXLAR_TESTS=OFF
	cmake --build build --target pictures -j $(JOBS)

clean:
	rm -rf build build-test
