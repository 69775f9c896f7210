#!/usr/bin/env bash
# Sets up, builds and plays: ./run.sh [cragmoor|morr2d]
set -euo pipefail
cd "$(dirname "$0")"
program=${1:-cragmoor}
case "$program" in
  cragmoor | morr2d) ;;
  *) echo "usage: ./run.sh [cragmoor|morr2d]" >&2; exit 2 ;;
esac
scripts/setup.sh
source scripts/lock.sh
lock_checkout run.sh
# Only what the game needs: the program and the asset builder with its
# assets. ./test.sh builds the tests, fuzz targets and benchmarks.
cmake -S . -B build >/dev/null
echo "Building $program and its assets into build/ ..."
cmake --build build --parallel "$(nproc)" --target "$program" assets
# The game itself may run as long as the player likes: the lock ends here.
exec 9>&-
# The games find their assets relative to the working directory.
cd build/run
exec "./$program"
