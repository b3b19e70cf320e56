#!/usr/bin/env bash
# Builds and runs the libFuzzer targets of the file readers (docs/fuzzing.md).
#   fuzz.sh build   configure build/fuzz with clang and build every target
#   fuzz.sh run     run each target for FUZZ_SECONDS (default 60) from its seeds; the first finding
#                   stops the run with its input under build/fuzz/findings/<target>/
# FUZZ_TARGETS (blank-separated names) limits both to some targets; FUZZ_JOBS sets the build's jobs.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$top/build/fuzz
mode=${1:-build}
seconds=${FUZZ_SECONDS:-60}
jobs=${FUZZ_JOBS:-2}

if ! command -v clang++ >/dev/null 2>&1; then
    bash "$top/scripts/install-packages.sh" clang
fi

all_targets() {
    sed -n '/^set(FUZZ_TARGETS/,/)/p' "$top/CMakeLists.txt" | tr -d '()' | sed 's/set\s*FUZZ_TARGETS//' | xargs
}
targets=${FUZZ_TARGETS:-$(all_targets)}

case "$mode" in
build)
    cmake -S "$top" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DFUZZ=ON \
        -DBUILD_TESTS=OFF >/dev/null
    cmake --build "$build" -j "$jobs" --target $(for t in $targets; do printf 'fuzz_%s ' "$t"; done)
    ;;
run)
    # AddressSanitizer's quarantine of freed memory (256 MB by default) would count against the
    # fuzzers' own memory limit; a small one keeps the limit a measure of what the readers allocate.
    export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=16}
    # Every execution writes its bytes as a file of the scratch host; on a disk that costs more than
    # the reading, so the scratch host goes to memory where the machine has a tmpfs.
    if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
    for t in $targets; do
        work=$build/corpus/$t
        findings=$build/findings/$t
        mkdir -p "$work" "$findings"
        echo "== $t: $seconds s"
        # New inputs go to the work corpus; the seeds in the repository are only read.
        "$build/bin/fuzz_$t" "$work" "$top/tests/fuzz/corpus/$t" -max_total_time="$seconds" -timeout=2 \
            -rss_limit_mb=256 -malloc_limit_mb=256 -artifact_prefix="$findings/" -print_final_stats=1
    done
    ;;
*)
    echo "usage: $0 build|run" >&2
    exit 2
    ;;
esac
