#!/usr/bin/env bash
# The clock set over restarts on a real X server: three clock files on the
# command line, a close, a start without arguments that reopens them in the
# saved order, and Help > Help (F1) handing the help document to the desktop's
# opener (a recording stand-in first on PATH), then Clear Restart answered
# "No". $1 is the Pendulor executable.
set -uo pipefail
exe="${1:?usage: e2e_clockset.sh /path/to/Pendulor}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.bash"
e2e_start

# The opener and the browser only note what they were asked to open.
mkdir -p "$work/bin"
opened="$work/opened.txt"
for name in xdg-open x-www-browser recording-browser; do
  printf '#!/bin/sh\nprintf "%%s %%s\\n" "$(basename "$0")" "$*" >>"%s"\n' "$opened" >"$work/bin/$name"
  chmod +x "$work/bin/$name"
done
export PATH="$work/bin:$PATH" BROWSER="$work/bin/recording-browser"

# DATAFILE values in key order, without their CR.
datafile() { sed -n '/^\[DATAFILE\]/,/^\r\?$/p' "$ini" | tr -d '\r' | grep '^FileName'; }

for name in Alpha Beta Gamma; do
  printf '[NAME]\r\nCaption=%s\r\nOffset=+0100\r\n' "$name" >"$work/$name.dat"
done

# Opened in the order given: Gamma, made last, is the front clock.
e2e_launch "$work/Alpha.dat" "$work/notes.txt" "$work/Beta.dat" "$work/Gamma.dat"
e2e_close
expected="FileName0=$folder/Gamma.dat
FileName1=$folder/Beta.dat
FileName2=$folder/Alpha.dat"
[ "$(datafile)" = "$expected" ] || fail "first close recorded: $(datafile | tr '\n' ' ')"
for name in Alpha Beta Gamma; do
  grep -q "^Caption=$name"$'\r'"$" "$folder/$name.dat" || fail "$name.dat was not written to the data folder"
done

# Reopened last entry first: the order at the next close is the same. The
# window manager activates the frame at a moment of its choosing, at times
# in the middle of the reopening: three restarts give it more chances.
for restart in 1 2 3; do
  e2e_launch
  e2e_close
  [ "$(datafile)" = "$expected" ] || fail "order changed over restart $restart: $(datafile | tr '\n' ' ')"
done

# Two new clocks, each given a zone in its properties dialog by the keyboard
# and its name left alone: both come back after a restart, with their zones.
zone_clock() { # query
  xdotool windowactivate --sync "$win" >/dev/null 2>&1
  xdotool key --window "$win" ctrl+n
  sleep 0.5
  # A double click on the name line of the front clock.
  xdotool mousemove --window "$win" 60 80 click --repeat 2 --delay 80 1
  local dlg
  dlg="$(e2e_window '^\(new\)$')"
  [ -n "$dlg" ] || fail "a double click opened no properties dialog"
  xdotool windowactivate --sync "$dlg" >/dev/null 2>&1
  sleep 0.3
  # Name field -> hours -> minutes -> font -> locale list -> time zone.
  xdotool key --delay 20 Tab Tab Tab Tab Tab
  xdotool type --delay 30 "$1"
  sleep 0.5
  xdotool key --delay 50 Down Return
  sleep 0.3
  xdotool key --delay 50 Tab Return
  for _ in $(seq 50); do xdotool search --onlyvisible --name '^\(new\)$' >/dev/null 2>&1 || break; sleep 0.1; done
  xdotool search --onlyvisible --name '^\(new\)$' >/dev/null 2>&1 && fail "the dialog for '$1' did not close"
  sleep 0.3
}
e2e_launch
zone_clock tokyo
zone_clock "new york"
e2e_close
e2e_launch
e2e_close
for pair in "Tokyo:Asia/Tokyo" "New York:America/New_York"; do
  name="${pair%%:*}" zone="${pair#*:}"
  file="$folder/$name.dat"
  [ -f "$file" ] || fail "no file for the clock set to $zone: $(ls "$folder")"
  grep -q "^Caption=$name"$'\r'"$" "$file" || fail "$name.dat has no Caption=$name"
  grep -q "^TimeZone=$zone"$'\r'"$" "$file" || fail "$name.dat lost its zone $zone"
  datafile | grep -q "=$file\$" || fail "$name.dat is not in the reopened set: $(datafile | tr '\n' ' ')"
done

# Help > Help: the help document next to the executable, given to the opener.
e2e_launch
xdotool windowactivate --sync "$win" >/dev/null 2>&1
xdotool key --window "$win" F1
for _ in $(seq 50); do [ -s "$opened" ] && break; sleep 0.1; done
[ -s "$opened" ] || fail "F1 opened nothing"
help="file://$(cd "$(dirname "$exe")" && pwd)/Pendulor.html"
grep -qx "xdg-open $help" "$opened" || fail "the opener was asked: $(cat "$opened")"

# File > Clear Restart, "No": this instance ends without writing anything and
# a new one starts with the defaults and no clocks.
alpha="$(cat "$folder/Alpha.dat")"
old=$app
xdotool windowactivate --sync "$win" >/dev/null 2>&1
xdotool key --window "$win" alt+f
sleep 0.3
xdotool key c
for _ in $(seq 50); do
  [ "$(xdotool search --onlyvisible --name '^Pendulor$' 2>/dev/null | wc -l)" -ge 2 ] && break
  sleep 0.1
done
sleep 0.3
xdotool key n
wait_exit "$old" || fail "Clear Restart did not end the running instance"
[ -f "$ini" ] && fail "the settings file survived Clear Restart"
[ "$(cat "$folder/Alpha.dat")" = "$alpha" ] || fail "a clock file was written after answering No"
win="$(frame_window)"
[ -n "$win" ] || fail "no new instance appeared"
app="$(xdotool getwindowpid "$win" 2>/dev/null)"
[ -n "$app" ] && [ "$app" != "$old" ] || fail "the frame shown is not a new instance"
pids+=($app)
sleep 0.5
e2e_close
[ -f "$ini" ] || fail "the new instance wrote no settings file"
[ -z "$(datafile)" ] || fail "the new instance reopened clocks: $(datafile | tr '\n' ' ')"
echo "PASS: Gamma, Beta, Alpha recorded and reopened in that order; Tokyo and New York kept their zones; F1 opened $help; Clear Restart (No) restarted clean"
