# make build   build the program into build/bin/basisverbindungen
# make run     build, then compute the shipped example position in a scratch folder
# make test    build with AddressSanitizer and UndefinedBehaviorSanitizer and run every test
# make generate          regenerate the screen glyph tables and the program's bitmaps
# make check-generated   check that the generators reproduce the committed tables and bitmaps

JOBS ?= $(shell nproc)
SCRATCH ?= $(CURDIR)/build/run

.PHONY: build run test setup clean generate check-generated

setup:
	@bash scripts/setup.sh

build: setup
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTS=OFF >/dev/null
	cmake --build build -j $(JOBS)

run: build
	@bash scripts/run-example.sh $(CURDIR)/build/bin/basisverbindungen $(SCRATCH)

test: setup
	cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON >/dev/null
	cmake --build build/asan -j $(JOBS)
	cd build/asan && ctest --output-on-failure -j $(JOBS)

generate: setup
	@bash scripts/generate.sh

check-generated: setup
	@bash scripts/generate.sh --check

clean:
	rm -rf build
