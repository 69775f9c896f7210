#!/usr/bin/env bash
# Sets up, checks the formatting, builds and runs every test, runs them again
# in a build with AddressSanitizer and UndefinedBehaviorSanitizer, and fuzzes
# each file reader for a short while. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh

# Tests open real windows; without a display they get a virtual one large
# enough for morr2d's 1280 x 960 window.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1600x1200x24" "$0" "$@"
fi
source scripts/lock.sh
lock_checkout test.sh

echo "== Formatting"
sources=$(git ls-files '*.cpp' '*.h' 2>/dev/null ||
  find src cragmoor morr2d soundlib tools tests bench examples -name '*.cpp' -o -name '*.h')
echo "$sources" | xargs clang-format --dry-run --Werror

run_ctest() {
  local dir=$1
  shift
  (cd "$dir" && ctest --output-on-failure --timeout 300 -j2 "$@")
}

echo "== Tests"
scripts/build.sh build
run_ctest build

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
# One clang tree serves both the sanitizer run and the fuzzers: every object
# is built once, with the sanitizers and the fuzzers' coverage.
CC=clang CXX=clang++ scripts/build.sh build/fuzz -DENABLE_FUZZING=ON -DBUILD_BENCHMARKS=OFF
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
# Tests labelled "long" (a search over the whole level) run only in the plain
# build: under the sanitizers they would take minutes.
run_ctest build/fuzz -LE 'display|long'
# The system's OpenGL driver is loaded and unloaded with each window; what it
# leaves behind cannot be attributed to a library any more, so leak checking
# is off for the tests that open windows. Every other check stays on.
ASAN_OPTIONS=detect_leaks=0 run_ctest build/fuzz -L display -LE long

echo "== Fuzzing each file reader for a short while"
# Every program whose name contains "fuzz" is a libFuzzer program. Each
# replays the inputs scripts/fuzz.sh found and kept, then fuzzes on from
# them for a few seconds; what it finds new is thrown away. Two run side by
# side, one a core; each prints its lines at once, so theirs never mix.
fuzz_briefly() {
  local target=$1 fuzzer kept fresh report status
  fuzzer=$(find build/fuzz -type f -executable -name "$target" | head -n 1)
  [ -n "$fuzzer" ] || return 0 # a library the fuzzers share
  kept=tests/fuzz/corpus/$target
  mkdir -p "$kept"
  fresh=$(mktemp -d)
  report=$(
    ASAN_OPTIONS=detect_leaks=0 "$fuzzer" -runs=0 -timeout=10 -rss_limit_mb=2048 "$kept" 2>&1 |
      tail -n 1 &&
      ASAN_OPTIONS=detect_leaks=0 "$fuzzer" -max_total_time=5 -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=0 "$fresh" "$kept" 2>&1 | tail -n 1
  )
  status=$?
  rm -rf "$fresh"
  printf -- '-- %s\n%s\n' "$target" "$report"
  return $status
}
export -f fuzz_briefly
fuzz_targets=$(cmake --build build/fuzz --target help | sed -n 's/^\.\.\. \([a-z0-9_]*fuzz[a-z0-9_]*\).*/\1/p')
echo "$fuzz_targets" | xargs -n 1 -P 2 bash -c 'set -o pipefail; fuzz_briefly "$1"' fuzz_briefly
