#!/usr/bin/env bash
# Installs the Debian packages the build, the games and the tests need.
# Safe to run again: it asks apt only for what is missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config clang-format clang libclang-rt-14-dev unzip
  libsdl1.2-compat-dev libgl1-mesa-dri libglu1-mesa-dev
  libdevil-dev libphysfs-dev libzip-dev
  libsndfile1-dev libvorbis-dev libfluidsynth-dev libgig-dev
  libfreetype-dev fonts-dejavu-core libpng-dev
  libgtest-dev libgmock-dev libbenchmark-dev libtinyobjloader-dev
  libx11-dev xvfb xauth xdotool x11-apps
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
