#!/usr/bin/env bash
# Fuzzes every file reader for a long while:
#   scripts/fuzz.sh [seconds per target] [target...]
# (default 600 s, every target). Each libFuzzer target starts from its corpus kept in the
# repository (tests/fuzz/corpus/<target>/, seeded from the asset builder's
# files the first time), under AddressSanitizer and UndefinedBehaviorSanitizer,
# with a 10 s limit per input and 2 GiB of memory. Afterwards the corpus is
# minimised (-merge=1) and files over 32 KiB are dropped, so that the
# repository keeps small inputs only. Crashes, hangs and running out of memory
# are kept in build/fuzz/findings/ and make the script fail. Before fuzzing,
# the sound library's tests run under ThreadSanitizer.
# FUZZ_JOBS=n runs n targets at once (default 1).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
jobs=${FUZZ_JOBS:-1}
largest_kept=32768
scripts/setup.sh

# The font reader's target opens a window; without a display it gets a
# virtual one.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1600x1200x24" "$0" "$@"
fi
source scripts/lock.sh
lock_checkout fuzz.sh

CC=clang CXX=clang++ cmake -S . -B build/fuzz -DENABLE_FUZZING=ON -DBUILD_BENCHMARKS=OFF >/dev/null
targets=$(cmake --build build/fuzz --target help | sed -n 's/^\.\.\. \([a-z0-9_]*fuzz[a-z0-9_]*\).*/\1/p')
[ $# -gt 1 ] && targets="${*:2}"
cmake --build build/fuzz --parallel "$(nproc)" --target $targets

# Seeds for a target without a corpus yet: the files the asset builder makes
# (built in the plain tree, where it runs quickest).
cmake -S . -B build >/dev/null
cmake --build build --parallel "$(nproc)" --target assets
seeds=build/fuzz/seeds
rm -rf "$seeds" && mkdir -p "$seeds"
(cd "$seeds" && unzip -qo ../../run/Resources/Resources.pak && cp ../../run/*.obj ../../run/*.mtl ../../run/gm.dls .)
# The archive is large; a small one of the same kind seeds the archive path.
(cd "$seeds" && cmake -E tar cf small.pak --format=zip README.txt Ball.tga legitLevel.mtl)
findings=build/fuzz/findings
mkdir -p "$findings"

fuzz_one() {
  local target=$1 seconds=$2
  local fuzzer corpus fresh merged
  fuzzer=$(find build/fuzz -type f -executable -name "$target" | head -n 1)
  [ -n "$fuzzer" ] || return 0 # a library the fuzzers share
  corpus=tests/fuzz/corpus/$target
  mkdir -p "$corpus"
  fresh=$(mktemp -d)
  [ -n "$(ls -A "$corpus")" ] || cp "$seeds"/* "$fresh"/
  local status=0
  ASAN_OPTIONS=detect_leaks=0 "$fuzzer" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/$target-" \
    "$fresh" "$corpus" >"build/fuzz/$target.log" 2>&1 || status=$?
  merged=$(mktemp -d)
  ASAN_OPTIONS=detect_leaks=0 "$fuzzer" -merge=1 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$findings/$target-merge-" "$merged" "$corpus" "$fresh" >>"build/fuzz/$target.log" 2>&1 || true
  find "$merged" -type f -size +"$largest_kept"c -delete
  rm -rf "$corpus" "$fresh"
  mv "$merged" "$corpus"
  chmod 755 "$corpus"
  echo "-- $target: $(ls "$corpus" | wc -l) corpus files, $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "build/fuzz/$target.log" | grep -o '[0-9]*$' || echo '?') runs, status $status"
  return "$status"
}
export -f fuzz_one
export seeds findings largest_kept

echo "== The sound library's tests under ThreadSanitizer"
# SDL mixes on its own audio thread while the game thread drives the
# channels; any access between the two that no lock orders is a finding.
cmake -S . -B build/tsan -DENABLE_THREAD_SANITIZER=ON >/dev/null
cmake --build build/tsan --parallel "$(nproc)" --target soundlib_tests
(cd build/tsan/soundlib && TSAN_OPTIONS="halt_on_error=1" ./soundlib_tests --gtest_brief=1)

echo "== Fuzzing each target for $seconds s"
failed=0
printf '%s\n' $targets | xargs -P "$jobs" -I{} bash -c "fuzz_one {} $seconds" || failed=1
if [ -n "$(ls -A "$findings")" ]; then
  echo "findings (crashes, hangs, out of memory):" >&2
  ls -l "$findings" >&2
  failed=1
fi
exit "$failed"
