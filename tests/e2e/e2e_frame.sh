#!/usr/bin/env bash
# The real frame under a real window manager: three new clocks with Ctrl+N,
# a close through the window manager, the files on disk, and the frame's
# bounds after a restart. $1 is the Pendulor executable.
set -uo pipefail
exe="${1:?usage: e2e_frame.sh /path/to/Pendulor}"
for tool in Xvfb openbox xdotool xdpyinfo; do
  command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is missing"; exit 77; }
done

work="$(mktemp -d)"
display=":$(( 200 + RANDOM % 300 ))"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY="$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not start"
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

export XDG_DATA_HOME="$work/data"
folder="$XDG_DATA_HOME/Quorvane/Pendulor"
ini="$folder/Pendulor.ini"

# Waits for the frame's window and prints its id.
frame_window() {
  local id=""
  for _ in $(seq 100); do
    id="$(xdotool search --onlyvisible --name '^Pendulor$' 2>/dev/null | head -1)"
    [ -n "$id" ] && break
    sleep 0.1
  done
  echo "$id"
}

# Prints "X Y W H" of the window's outer bounds as the window manager sees them.
outer_bounds() {
  xwininfo -id "$1" -frame 2>/dev/null | awk '
    /Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}'
}

wait_exit() {
  for _ in $(seq 100); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
  return 1
}

"$exe" &
app=$!
pids+=($app)
win="$(frame_window)"
[ -n "$win" ] || fail "the frame did not appear"
sleep 0.5
xdotool windowactivate --sync "$win" >/dev/null 2>&1
for _ in 1 2 3; do xdotool key --window "$win" ctrl+n; sleep 0.3; done
sleep 0.5
first="$(outer_bounds "$win")"

# A close through the window manager runs the close sequence.
xdotool windowactivate --sync "$win" >/dev/null 2>&1
xdotool key alt+F4
wait_exit "$app" || fail "the frame did not close"

[ -f "$ini" ] || fail "no settings file at $ini"
[ -f "$folder/(new).dat" ] || fail "no clock data file (new).dat"
for key in FileName0 FileName1 FileName2; do
  grep -q "^$key=$folder/(new).dat"$'\r'"$" "$ini" || fail "$key missing from the settings file"
done
grep -q "^FileName3=" "$ini" && fail "more clocks recorded than made"
position() { sed -n '/^\[POSITION\]/,/^$/p' "$ini"; }
saved="$(position)"
[ -n "$saved" ] || fail "no POSITION section"

# The next start comes back at the same place and size with the same clocks.
"$exe" &
app=$!
pids+=($app)
win="$(frame_window)"
[ -n "$win" ] || fail "the frame did not appear again"
sleep 1
second="$(outer_bounds "$win")"
[ "$first" = "$second" ] || fail "bounds changed over a restart: '$first' then '$second'"
read -r _ _ w h <<<"$second"
[ "$w" -gt 100 ] && [ "$h" -gt 60 ] || fail "implausible frame size $w x $h"

xdotool windowactivate --sync "$win" >/dev/null 2>&1
xdotool key alt+F4
wait_exit "$app" || fail "the frame did not close the second time"
grep -q "^FileName2=" "$ini" || fail "the reopened clocks were not recorded again"
[ "$(position)" = "$saved" ] || fail "saved bounds moved over a restart: $(position | tr -d '\r' | tr '\n' ' ')"
echo "PASS: frame at '$second', three clocks saved and reopened"
