#!/usr/bin/env bash
# Builds Dovrix with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/ and runs the
# tests there; the suites that drive the worker thread run several times over to shake out races.
# A convenience for developers, not run by CI.
#
#   scripts/sanitize.sh                 configure, build, run every test, then repeat the thread suites
#   scripts/sanitize.sh -R tst_render   only the tests matching the regex (passed on to ctest)
#
# Environment: DOVRIX_ASAN_DIR (build dir, default build-asan), DOVRIX_ASAN_REPEAT (default 5),
# DOVRIX_JOBS (build and test parallelism, default nproc).
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${DOVRIX_ASAN_DIR:-build-asan}
repeat=${DOVRIX_ASAN_REPEAT:-5}
jobs=${DOVRIX_JOBS:-$(nproc)}
# float-cast-overflow is not part of "undefined" in GCC or Clang; page sizes from a hostile file
# reach double-to-int conversions, so it is checked too.
flags="-fsanitize=address,undefined,float-cast-overflow -fno-omit-frame-pointer"

if [[ ! -f "$build_dir/build.ninja" ]]; then
    cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS="$flags" \
        -DCMAKE_EXE_LINKER_FLAGS="$flags" \
        -DCMAKE_SHARED_LINKER_FLAGS="$flags"
fi
cmake --build "$build_dir" --parallel "$jobs"
# The OCR tests load the inference library and the models from the build directory.
if [[ -x scripts/fetch-ocr.sh ]]; then
    scripts/fetch-ocr.sh "$build_dir"
fi

export QT_QPA_PLATFORM=offscreen
# Reports also go to files: the file probe runs as a child process whose standard error is dropped.
logs="$(cd "$build_dir" && pwd)/sanitizer-logs"
rm -rf "$logs"
mkdir -p "$logs"
# Leaks inside Qt's PDF engine are not ours to mend; everything else stops the test at the first report.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:log_path=$logs/asan}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1:log_path=$logs/ubsan}

status=0
ctest --test-dir "$build_dir" --output-on-failure --parallel "$jobs" "$@" || status=1

# The suites that move data between the GUI thread and the worker.
if ((repeat > 1)); then
    for area in core text view annotations app; do
        ctest --test-dir "$build_dir/tests/$area" --output-on-failure --parallel "$jobs" \
            --repeat until-fail:"$repeat" "$@" || status=1
    done
fi
if compgen -G "$logs/*" >/dev/null; then
    echo "Sanitizer reports:" >&2
    cat "$logs"/* >&2
    status=1
fi
exit $status
