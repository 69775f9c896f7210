#!/usr/bin/env bash
# Sets up, builds and runs every test, then runs them again in a build with
# AddressSanitizer and UndefinedBehaviorSanitizer. Exits non-zero on any
# failure.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh

# Tests open real windows; without a display they get a virtual one large
# enough for morr2d's 1280 x 960 window.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1600x1200x24" "$0" "$@"
fi

run_suite() {
  local dir=$1
  shift
  scripts/build.sh "$dir" "$@"
  (cd "$dir" && ctest --output-on-failure --timeout 300 -j2)
}

echo "== Tests"
run_suite build
echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
# Leaks inside the system's OpenGL and X libraries are not ours to fix.
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
run_suite build/sanitize -DENABLE_SANITIZERS=ON
