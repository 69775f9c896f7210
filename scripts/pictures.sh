#!/usr/bin/env bash
# Renews the pictures in docs/pictures/ that the README shows: run it after a
# change that alters what the games look like, and commit what it writes.
#   scripts/pictures.sh
# It builds both games, their assets and levelcheck into build/, plays each
# real program on a virtual X server of its own with real key presses (the
# way a player would, so the pictures show what a player sees), saves
# screenshots and a short animation of cragmoor, quits each game with F10
# and fails unless it exits with status 0. Then it draws the level's outline
# (and the player's reach, where levelcheck can) with levelcheck.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$root/docs/pictures

# ImageMagick turns the window dumps into PNG and GIF; pngquant, optipng and
# gifsicle keep the committed files small; Python records the animation.
scripts/setup.sh imagemagick pngquant optipng gifsicle python3
source scripts/lock.sh
lock_checkout pictures.sh
cmake -S . -B build >/dev/null
printf 'Building cragmoor, morr2d, their assets and levelcheck into build/ ... '
cmake --build build --parallel "$(nproc)" --target cragmoor morr2d assets levelcheck >/dev/null
echo "done ($SECONDS s in all)"
mkdir -p "$out"
work=$(mktemp -d)
xvfb_pid=
game_pid=
recorder_pid=
cleanup() {
  for pid in "$recorder_pid" "$game_pid" "$xvfb_pid"; do
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
  done
  rm -rf "$work"
}
trap cleanup EXIT

# A virtual display of our own: Xvfb picks a free number itself and tells it,
# so that nothing here lands on another program's display.
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "the virtual display did not start" >&2; exit 1; }
DISPLAY=":$(cat "$work/display")"
export DISPLAY
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
# Without a runtime directory the GL driver complains on standard error.
export XDG_RUNTIME_DIR=$work

# start <program>: runs it from the run directory and finds its window.
start() {
  program=$1
  (cd build/run && exec "./$program") >/dev/null 2>"$work/$program.stderr" &
  game_pid=$!
  window=
  for _ in $(seq 150); do
    window=$(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && break
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.2
  done
  if [ -z "$window" ]; then
    echo "$program opened no window" >&2
    cat "$work/$program.stderr" >&2
    exit 1
  fi
  xdotool windowfocus --sync "$window" 2>/dev/null || true
}

# drawn: waits until the window shows more than a cleared screen (the first
# frames take a while on a busy machine), at most 60 s.
drawn() {
  for _ in $(seq 120); do
    xwd -silent -id "$window" >"$work/drawn.xwd"
    [ "$(convert "$work/drawn.xwd" -format %k info:)" -gt 16 ] && return
    sleep 0.5
  done
  echo "$program drew nothing within 60 s" >&2
  exit 1
}

# quit: F10, and the program must end with status 0 within 30 s.
quit() {
  xdotool keyup a keyup d keyup w keyup s
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool key F10
  for _ in $(seq 300); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$game_pid" 2>/dev/null; then
    echo "$program did not end within 30 s of F10" >&2
    exit 1
  fi
  local status=0
  wait "$game_pid" || status=$?
  game_pid=
  if [ "$status" -ne 0 ]; then
    echo "$program exited with status $status" >&2
    cat "$work/$program.stderr" >&2
    exit 1
  fi
}

# shot <name>: the game's window as it is now; made into a small PNG in
# docs/pictures by `develop` once the game has ended, so that the play is
# not held up.
shot() {
  mkdir -p "$work/shots"
  xwd -silent -id "$window" >"$work/shots/$1.xwd"
}

develop() {
  local dump name
  for dump in "$work"/shots/*.xwd; do
    name=$(basename "$dump" .xwd)
    convert "$dump" "$work/$name.png"
    small_png "$work/$name.png" "$out/$name.png"
    echo "  $name.png"
  done
  rm -r "$work/shots"
}

# small_png <from> <to>: fewer colours where the eye does not miss them,
# then the tightest lossless packing.
small_png() {
  pngquant --force --skip-if-larger --quality 60-90 --speed 1 --strip --output "$2" "$1" ||
    cp "$1" "$2"
  optipng -quiet -o2 "$2"
}

# hold <key> <seconds>: a key pressed for that long.
hold() {
  xdotool keydown "$1"
  sleep "$2"
  xdotool keyup "$1"
}

# record <seconds>: the window's pictures for that long from the first, as
# many as the machine manages (at most about 15 a second), each new one
# written as a PPM named by the time it was taken (in ns), so that the
# animation keeps the game's own pace. One process asks the X server for all
# of them: starting xwd for each gets only a frame or two a second on a busy
# machine. Run it in the background and wait for the first frame (recording)
# before pressing keys: Python itself can take seconds to start there.
record() {
  mkdir -p "$work/frames"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  python3 - "$window" "$WIDTH" "$HEIGHT" "$1" "$work/frames" <<'PYTHON'
import ctypes, sys, time

window, width, height, seconds, folder = sys.argv[1:]
width, height = int(width), int(height)
x11 = ctypes.CDLL("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XGetImage.restype = ctypes.c_void_p
x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                          ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]


class XImage(ctypes.Structure):  # the leading fields of Xlib's XImage
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int),
                ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int),
                ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int)]


ALL_PLANES, Z_PIXMAP = 0xFFFFFFFF, 2
display = x11.XOpenDisplay(None)
end = None
previous = None
while end is None or time.monotonic() < end:
    end = end or time.monotonic() + float(seconds)
    taken = time.time_ns()
    pointer = x11.XGetImage(display, int(window), 0, 0, width, height, ALL_PLANES, Z_PIXMAP)
    image = XImage.from_address(pointer)
    # The virtual display's 24-bit visual: 4 bytes a pixel, blue first.
    assert image.bits_per_pixel == 32 and image.bytes_per_line == 4 * width
    raw = ctypes.string_at(image.data, 4 * width * height)
    x11.XFree(ctypes.c_void_p(image.data))
    x11.XFree(ctypes.c_void_p(pointer))
    if raw != previous:  # a repeated picture only lengthens the one before
        rgb = bytearray(3 * width * height)
        rgb[0::3], rgb[1::3], rgb[2::3] = raw[2::4], raw[1::4], raw[0::4]
        with open("%s/%d.ppm" % (folder, taken), "wb") as frame:
            frame.write(b"P6 %d %d 255\n" % (width, height) + rgb)
        previous = raw
    time.sleep(0.06)
PYTHON
}

# recording: waits for the recorder's first frame.
recording() {
  for _ in $(seq 600); do
    compgen -G "$work/frames/*.ppm" >/dev/null && return
    kill -0 "$recorder_pid" 2>/dev/null || break
    sleep 0.1
  done
  echo "the recorder took no picture" >&2
  exit 1
}

# animate <name>: the recorded frames as a looping GIF, each shown for as
# long as it was on screen. It shows the middle of the window at full size,
# where the view keeps the player: the player is small, and at half size it
# would be lost.
animate() {
  local frames=("$work"/frames/*.ppm) args=() delay=10 i stamp next
  for ((i = 0; i < ${#frames[@]}; i++)); do
    if ((i + 1 < ${#frames[@]})); then
      stamp=$(basename "${frames[i]}" .ppm)
      next=$(basename "${frames[i + 1]}" .ppm)
      delay=$(((next - stamp) / 10000000))
    fi
    args+=(-delay "$delay" "${frames[i]}")
  done
  convert "${args[@]}" -gravity center -crop 60%x60%+0+0 +repage -loop 0 -layers Optimize \
    "$work/$1.gif"
  gifsicle -O3 --lossy=40 --colors 128 "$work/$1.gif" -o "$out/$1.gif"
  echo "  $1.gif (${#frames[@]} frames)"
  # A busy machine draws and records only a few frames a second.
  [ "${#frames[@]}" -ge 40 ] ||
    echo "  (few frames: the machine was busy; run again when it is quieter for a smoother one)"
}

# at <seconds>: sleeps until that long after the walk began. The world runs
# on the clock, so the times below follow the recorded play-through in
# tests/characters/level_playthrough.txt at 30 ticks a second.
at() {
  sleep "$(awk -v due="$1" -v began="$walk_began" -v now="$(date +%s%N)" \
    'BEGIN { d = due - (now - began) / 1e9; print (d > 0 ? d : 0) }')"
}

echo "Playing cragmoor ($SECONDS s in all):"
start cragmoor
# The crosshair aims ahead and up, clear of the player at the middle.
xdotool mousemove --window "$window" 560 230
drawn
# The player falls for two seconds onto the floor.
sleep 2.5
shot cragmoor-start
record 8 &
recorder_pid=$!
recording
walk_began=$(date +%s%N)
xdotool keydown d
at 2.5
hold w 0.6
at 6.5
hold w 0.6
# On the plateau after ten seconds, under the slab above it; a jump past
# the slab, where the sky is open.
at 9.5
shot cragmoor-plateau
at 11.5
xdotool keydown w
at 11.9
shot cragmoor-jump
xdotool keyup w
# Into the pit after 21 seconds and up its three steps, jumping every other
# 20 ticks from a little before, then on into the cave under the island,
# reached after 32 seconds.
at 18
while [ "$(date +%s%N)" -lt $((walk_began + 28 * 1000000000)) ]; do
  hold w 0.67
  sleep 0.67
done
at 32
shot cragmoor-cave
quit
wait "$recorder_pid"
recorder_pid=
develop
animate cragmoor

echo "Playing morr2d ($SECONDS s in all):"
start morr2d
xdotool mousemove --window "$window" 900 300
drawn
# The player falls from its start onto the tile below in half a second.
sleep 1.5
shot morr2d-start
# By now the shotgun has fallen onto the tile under it and lies still (it
# draws nothing, so no picture shows it). The player crouches and aims up to
# the left, a pose that holds still however late the picture is taken; with
# the pointer up there the view stays at the level's corner.
xdotool mousemove --window "$window" 40 60
xdotool keydown s
sleep 1
shot morr2d-crouch
xdotool keyup s
quit
develop

echo "Drawing the level with levelcheck ($SECONDS s in all):"
levelcheck=$root/build/tools/levelcheck/levelcheck
# draw <name> [levelcheck options...]: warnings (status 2) still draw.
draw() {
  local name=$1 status=0
  shift
  (cd build/run && "$levelcheck" legitLevel.obj "$@" --picture "$work/$name.png") \
    >"$work/levelcheck.out" 2>&1 || status=$?
  if [ "$status" -ne 0 ] && [ "$status" -ne 2 ]; then
    cat "$work/levelcheck.out" >&2
    exit 1
  fi
  small_png "$work/$name.png" "$out/$name.png"
  echo "  $name.png"
}
draw level-outline
usage=$("$levelcheck" 2>&1 || true)
case $usage in
  *--reach*) draw reach --reach ;;
  *) echo "  reach.png skipped: this levelcheck has no --reach" ;;
esac

# The README's pictures are committed, so they are kept small.
echo "Pictures in docs/pictures ($SECONDS s in all):"
for picture in "$out"/*; do
  printf '  %-24s %5d KB\n' "$(basename "$picture")" $(($(stat -c %s "$picture") / 1024))
done
too_large=$(find "$out" \( -name '*.png' -size +300k \) -o \( -name '*.gif' -size +2048k \))
[ -z "$too_large" ] || { echo "too large for the repository: $too_large" >&2; exit 1; }
