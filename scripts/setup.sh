#!/usr/bin/env bash
# Installs the Debian packages the build, the games and the tests need, and
# any more named on the command line (scripts/setup.sh [package...]).
# Safe to run again: it asks apt only for what is missing. It prints one line
# a step; apt's own output goes to build/setup.log, whose tail is shown only
# when a step fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

packages=(
  build-essential cmake pkg-config clang-format clang libclang-rt-14-dev unzip
  libsdl1.2-compat-dev libgl1-mesa-dri libglu1-mesa-dev
  libdevil-dev libphysfs-dev libzip-dev
  libsndfile1-dev libvorbis-dev libfluidsynth-dev libgig-dev
  libfreetype-dev fonts-dejavu-core libpng-dev
  libgtest-dev libgmock-dev libbenchmark-dev libtinyobjloader-dev
  libx11-dev xvfb xauth xdotool x11-apps x11-utils
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

mkdir -p "$root/build"
log=$root/build/setup.log
: >"$log"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
# Another apt at work on the machine is waited for rather than failed on.
apt=("${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=300)

# step <what> <command...>: one line for the step, its output into the log.
step() {
  local what=$1 started=$SECONDS
  shift
  printf '%s ... ' "$what"
  echo "== $what" >>"$log"
  if ! "$@" >>"$log" 2>&1 </dev/null; then
    echo "failed"
    echo "The last lines of $log:" >&2
    tail -n 15 "$log" >&2
    exit 1
  fi
  echo "done ($((SECONDS - started)) s)"
}

step "Updating the package lists" "${apt[@]}" update
count="${#missing[@]} packages"
[ ${#missing[@]} -eq 1 ] && count="1 package"
step "Installing $count (${missing[*]})" \
  "${apt[@]}" install -y --no-install-recommends "${missing[@]}"
