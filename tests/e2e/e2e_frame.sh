#!/usr/bin/env bash
# The real frame under a real window manager: three new clocks with Ctrl+N,
# a close through the window manager, the files on disk, and the frame's
# bounds after a restart. $1 is the Pendulor executable.
set -uo pipefail
exe="${1:?usage: e2e_frame.sh /path/to/Pendulor}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.bash"
e2e_start xwininfo

# Prints "X Y W H" of the window's outer bounds as the window manager sees them.
outer_bounds() {
  xwininfo -id "$1" -frame 2>/dev/null | awk '
    /Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}'
}

e2e_launch
xdotool windowactivate --sync "$win" >/dev/null 2>&1
for _ in 1 2 3; do xdotool key --window "$win" ctrl+n; sleep 0.3; done
sleep 0.5
first="$(outer_bounds "$win")"

e2e_close

[ -f "$ini" ] || fail "no settings file at $ini"
# Three clocks of one name keep three files, and the list names each once.
for name in "(new)" "(new) (2)" "(new) (3)"; do
  [ -f "$folder/$name.dat" ] || fail "no clock data file $name.dat"
  [ "$(grep -c "^FileName[0-2]=$folder/$name.dat"$'\r'"$" "$ini")" = 1 ] || fail "$name.dat not listed once in the settings file"
done
grep -q "^FileName3=" "$ini" && fail "more clocks recorded than made"
position() { sed -n '/^\[POSITION\]/,/^$/p' "$ini"; }
saved="$(position)"
[ -n "$saved" ] || fail "no POSITION section"

# The next start comes back at the same place and size with the same clocks.
e2e_launch
sleep 0.5
second="$(outer_bounds "$win")"
[ "$first" = "$second" ] || fail "bounds changed over a restart: '$first' then '$second'"
read -r _ _ w h <<<"$second"
[ "$w" -gt 100 ] && [ "$h" -gt 60 ] || fail "implausible frame size $w x $h"

e2e_close
grep -q "^FileName2=" "$ini" || fail "the reopened clocks were not recorded again"
[ "$(position)" = "$saved" ] || fail "saved bounds moved over a restart: $(position | tr -d '\r' | tr '\n' ' ')"
echo "PASS: frame at '$second', three clocks saved and reopened"
