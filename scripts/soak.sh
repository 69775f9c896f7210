#!/usr/bin/env bash
# Plays a game for a long time with random input and watches it last:
#   scripts/soak.sh [minutes] [cragmoor|morr2d]   (defaults: 30 cragmoor)
# Starts the program on a virtual X server of its own, presses and releases
# the walk, jump and crouch keys, moves the mouse and toggles the menu layer
# with Escape at random (never F10), and samples the process's resident
# memory every 10 s into build/soak-<program>.csv. At the end it quits with
# F10 and checks that the program exited with status 0, printed nothing on
# standard error but the lines a clean run prints, and that its resident
# memory grew by less than 1 MiB after the first minute (measured on the
# floor under the swings of the GL driver's buffers, see below).
set -euo pipefail
cd "$(dirname "$0")/.."
minutes=${1:-30}
program=${2:-cragmoor}
case "$program" in
  cragmoor | morr2d) ;;
  *) echo "usage: scripts/soak.sh [minutes] [cragmoor|morr2d]" >&2; exit 2 ;;
esac
[ -x "build/run/$program" ] || { echo "build/run/$program is missing: build first" >&2; exit 2; }

csv="build/soak-$program.csv"
errors="build/soak-$program.stderr"
sample_every=10
grace_seconds=60
allowed_growth_kib=1024

# A display number nobody uses.
display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
  display=$((display + 1))
done
Xvfb ":$display" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
# Without a runtime directory the GL driver complains on standard error.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
fi
game_pid=
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

(cd build/run && exec "./$program") >/dev/null 2>"$errors" &
game_pid=$!
window=
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | head -n1 || true)
  [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { echo "$program opened no window" >&2; cat "$errors" >&2; exit 1; }
xdotool windowfocus --sync "$window" 2>/dev/null || true
read -r width height < <(xdotool getwindowgeometry "$window" | awk '/Geometry/ {split($2, s, "x"); print s[1], s[2]}')

rss_kib() { awk '/^VmRSS/ {print $2}' "/proc/$game_pid/status"; }
echo "seconds,rss_kib" >"$csv"
keys=(a d w s)
start=$(date +%s)
end=$((start + minutes * 60))
next_sample=$start
while [ "$(date +%s)" -lt "$end" ]; do
  kill -0 "$game_pid" 2>/dev/null || { echo "$program died during the soak" >&2; cat "$errors" >&2; exit 1; }
  now=$(date +%s)
  if [ "$now" -ge "$next_sample" ]; then
    echo "$((now - start)),$(rss_kib)" >>"$csv"
    next_sample=$((next_sample + sample_every))
  fi
  case $((RANDOM % 10)) in
    0 | 1 | 2 | 3) xdotool keydown "${keys[RANDOM % 4]}" ;;
    4 | 5 | 6) xdotool keyup "${keys[RANDOM % 4]}" ;;
    7 | 8) xdotool mousemove --window "$window" $((RANDOM % width)) $((RANDOM % height)) ;;
    9) [ $((RANDOM % 20)) -eq 0 ] && xdotool key Escape ;;
  esac
  sleep 0.$((RANDOM % 3 + 1))
done
for key in "${keys[@]}"; do xdotool keyup "$key"; done
echo "$(($(date +%s) - start)),$(rss_kib)" >>"$csv"

xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key F10
status=0
for _ in $(seq 300); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
wait "$game_pid" || status=$?
game_pid=

failed=0
[ "$status" -eq 0 ] || { echo "$program exited with status $status" >&2; failed=1; }
# A clean run prints the resource manager's two start-up refusals and debug
# lines, and whatever the sound library says about the machine's audio.
unexpected=$(grep -v -e "^ DEBUG: " \
  -e "reloadTextures() can't execute until ResourceManager is initialized." \
  -e "reloadSounds() can't execute until ResourceManager is initialized." \
  -e "^ALSA lib" -e "^soundlib: " "$errors" || true)
if [ -n "$unexpected" ]; then
  echo "unexpected lines on standard error:" >&2
  echo "$unexpected" | head -n 20 >&2
  failed=1
fi
# Resident memory swings by about a megabyte as the game visits different
# places (the GL driver allocates and frees buffers as it draws), so growth
# is measured on the floor under those swings: the lowest sample of the
# minute after the first against the lowest of the last five minutes (or of
# the last third of a shorter run). A leak lifts the floor; a swing does not.
read -r first last peak < <(awk -F, -v g="$grace_seconds" '
  NR == 1 { next }
  { t[NR] = $1; r[NR] = $2; n = NR; if ($2 > peak) peak = $2 }
  END {
    span = t[n]; tail = span / 3; if (tail > 300) tail = 300
    for (i = 2; i <= n; i++) {
      if (t[i] >= g && t[i] < 2 * g && (first == "" || r[i] < first)) first = r[i]
      if (t[i] >= span - tail && (last == "" || r[i] < last)) last = r[i]
    }
    print first, last, peak
  }' "$csv")
if [ -n "$first" ] && [ -n "$last" ]; then
  growth=$((last - first))
  echo "$program: resident memory floor $first KiB in the second minute, $last KiB at the end" \
    "(growth $growth KiB; highest sample $peak KiB)"
  [ "$growth" -lt "$allowed_growth_kib" ] || { echo "memory grew by $growth KiB" >&2; failed=1; }
fi
echo "samples: $csv"
exit "$failed"
