# make run: build and start the game.  make test: build under sanitizers and run every test.
JOBS ?= 2

.PHONY: deps build run test clean

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

clean:
	rm -rf build build-test
