#!/usr/bin/env bash
# The frame moved and sized by its bare surface under a real window manager,
# and the title bar switched off and on without the frame creeping.
# $1 is the Pendulor executable.
set -uo pipefail
exe="${1:?usage: e2e_frame_surface.sh /path/to/Pendulor}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.bash"
e2e_start xwininfo xprop

# "X Y W H" of the client area (the window without its decoration).
client() {
  xwininfo -id "$win" 2>/dev/null | awk '
    /Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}'
}
# "X Y W H" of the outer bounds: the client area plus the decoration.
outer() {
  local x y w h l r t b
  read -r x y w h <<<"$(client)"
  read -r l r t b <<<"$(xprop -id "$win" _NET_FRAME_EXTENTS 2>/dev/null | sed 's/.*= //; s/,//g')"
  echo "$((x - ${l:-0})) $((y - ${t:-0})) $((w + ${l:-0} + ${r:-0})) $((h + ${t:-0} + ${b:-0}))"
}
# Drags with the left button from X Y by DX DY in small steps; the first
# step is one pixel, as a hand starts a drag (the window manager follows the
# mouse from the first step on).
drag() {
  local x=$1 y=$2 dx=$3 dy=$4 i
  xdotool mousemove --sync "$x" "$y"
  sleep 0.2
  xdotool mousedown 1
  sleep 0.2
  xdotool mousemove "$((x + (dx > 0) - (dx < 0)))" "$((y + (dy > 0) - (dy < 0)))"
  sleep 0.1
  for i in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove "$((x + dx * i / 10))" "$((y + dy * i / 10))"
    sleep 0.05
  done
  sleep 0.2
  xdotool mouseup 1
  sleep 0.5
}
# Switches View > "TitleBar" (the View menu's first item).
toggle_title_bar() {
  xdotool windowactivate --sync "$win" >/dev/null 2>&1
  xdotool key alt+v
  sleep 0.3
  xdotool key Return
  sleep 1
}
# Fails unless "X Y W H" A and B differ by at most 2 px in each figure.
near() {
  local a=($1) b=($2) i
  for i in 0 1 2 3; do
    local d=$((a[i] - b[i]))
    [ "${d#-}" -le 2 ] || return 1
  done
}
position() { sed -n '/^\[POSITION\]/,/^\r\?$/p' "$ini" | tr -d '\r'; }

e2e_launch
xdotool windowactivate --sync "$win" >/dev/null 2>&1

# (a) With title bar: the bare surface moves the frame, its edge band does not size it.
read -r x y w h <<<"$(client)"
before="$(outer)"
drag "$((x + w / 2))" "$((y + h / 2 + 20))" 100 50
read -r ox oy ow oh <<<"$before"
expected="$((ox + 100)) $((oy + 50)) $ow $oh"
near "$(outer)" "$expected" || fail "surface drag with title bar: '$(outer)', expected '$expected'"
read -r x y w h <<<"$(client)"
before="$(outer)"
drag "$((x + w - 3))" "$((y + h / 2 + 20))" 60 0
[ "$(outer)" = "$before" ] || fail "the edge band sized a frame with title bar: '$before' became '$(outer)'"

# (b) Without title bar: the surface moves it, the right band widens it, the
# bottom-right corner sizes it both ways.
toggle_title_bar
[ "$(xprop -id "$win" _NET_FRAME_EXTENTS | sed 's/.*= //')" = "0, 0, 0, 0" ] || fail "the frame still has a title bar"
read -r x y w h <<<"$(client)"
drag "$((x + w / 2))" "$((y + h / 2 + 10))" 100 50
expected="$((x + 100)) $((y + 50)) $w $h"
near "$(client)" "$expected" || fail "surface drag without title bar: '$(client)', expected '$expected'"
read -r x y w h <<<"$(client)"
drag "$((x + w - 3))" "$((y + h / 2 + 10))" 60 0
expected="$x $y $((w + 60)) $h"
near "$(client)" "$expected" || fail "right band drag: '$(client)', expected '$expected'"
read -r x y w h <<<"$(client)"
drag "$((x + w - 3))" "$((y + h - 3))" 40 30
expected="$x $y $((w + 40)) $((h + 30))"
near "$(client)" "$expected" || fail "corner drag: '$(client)', expected '$expected'"
toggle_title_bar
e2e_close
saved="$(position)"

# (c) Off and on twice: the client area stays, the saved bounds too.
e2e_launch
xdotool windowactivate --sync "$win" >/dev/null 2>&1
start="$(client)"
for round in 1 2; do
  toggle_title_bar
  read -r sx sy _ _ <<<"$start"
  read -r cx cy _ _ <<<"$(client)"
  [ "$((cx - sx))" -le 2 ] && [ "$((sx - cx))" -le 2 ] && [ "$((cy - sy))" -le 2 ] && [ "$((sy - cy))" -le 2 ] ||
    fail "round $round: title bar off moved the client area from '$start' to '$(client)'"
  toggle_title_bar
  near "$(client)" "$start" || fail "round $round: off and on moved the client area from '$start' to '$(client)'"
done
e2e_close
[ "$(position)" = "$saved" ] || fail "saved bounds moved: '$saved' became '$(position)'"

# (d) Two clocks tiled over the whole surface, no title bar: the free part of
# the menu bar moves the frame, 100 px in ten even steps, and the grabbed
# point stays under the pointer.
printf '[NAME]\r\nCaption=A\r\n' >"$work/A.dat"
printf '[NAME]\r\nCaption=B\r\n' >"$work/B.dat"
e2e_launch "$work/A.dat" "$work/B.dat"
xdotool windowactivate --sync "$win" >/dev/null 2>&1
toggle_title_bar
read -r x y w h <<<"$(client)"
sx=$((x + w - 40)) sy=$((y + 10))
xdotool mousemove --sync "$sx" "$sy"
sleep 0.2
xdotool mousedown 1
sleep 0.2
for i in 1 2 3 4 5 6 7 8 9 10; do
  xdotool mousemove "$((sx + 10 * i))" "$((sy + 5 * i))"
  sleep 0.05
done
sleep 0.2
xdotool mouseup 1
sleep 0.5
expected="$((x + 100)) $((y + 50)) $w $h"
near "$(client)" "$expected" || fail "menu bar drag of a tiled frame: '$(client)', expected '$expected'"
toggle_title_bar
e2e_close
echo "PASS: surface moves and sizes the frame; title bar off and on keeps it at '$start'"
