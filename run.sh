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
scripts/build.sh build
# The games find their assets relative to the working directory.
cd build/run
exec "./$program"
