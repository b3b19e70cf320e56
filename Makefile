# make build   build the program into build/bin/basisverbindungen
# make run     build, then compute the shipped example position in a scratch folder
# make test    build with AddressSanitizer and UndefinedBehaviorSanitizer and run every test
# make generate          regenerate the screen glyph tables and the program's bitmaps
# make check-generated   check that the generators reproduce the committed tables and bitmaps
# make benchmark  build a release build and time the batch run and a recomputation of B001
# make references  render the print-list viewer's test cases anew as the reference images under
#              tests/platform/print_list_references (check the changed images by eye)
# make fuzz      build one libFuzzer executable per file reader with clang (docs/fuzzing.md)
# make fuzz-run  run every fuzz target for FUZZ_SECONDS (default 60) each; stops at the first finding

JOBS ?= $(shell nproc)
SCRATCH ?= $(CURDIR)/build/run

.PHONY: build run test benchmark references setup clean generate check-generated fuzz fuzz-run

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

benchmark: setup
	@[ -f /usr/include/benchmark/benchmark.h ] || bash scripts/install-packages.sh libbenchmark-dev
	cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTS=OFF >/dev/null
	cmake --build build/bench -j $(JOBS) --target report_run_benchmark
	build/bench/bin/report_run_benchmark

references: setup
	cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON >/dev/null
	cmake --build build/asan -j $(JOBS)
	PRINT_LIST_WRITE_REFERENCES=1 build/asan/bin/basis_tests --gtest_filter='Print_List_References.*'

fuzz: setup
	@bash scripts/fuzz.sh build

fuzz-run: fuzz
	@bash scripts/fuzz.sh run

generate: setup
	@bash scripts/generate.sh

check-generated: setup
	@bash scripts/generate.sh --check

clean:
	rm -rf build
