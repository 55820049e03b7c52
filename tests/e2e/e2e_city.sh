#!/usr/bin/env bash
# A clock for a city in one step, on a real X server: Ctrl+Shift+N, "delhi",
# Enter, close; the clock file holds Delhi's zone and the city as its name.
# Escape in the search makes nothing. $1 is the Pendulor executable.
set -uo pipefail
exe="${1:?usage: e2e_city.sh /path/to/Pendulor}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.bash"
e2e_start

e2e_launch
xdotool windowactivate --sync "$win" >/dev/null 2>&1
# Escape first: nothing is made.
xdotool key --clearmodifiers ctrl+shift+n
sleep 0.5
xdotool type --delay 50 "tokyo"
sleep 0.3
xdotool key Escape
sleep 0.3
# Then the city.
xdotool key --clearmodifiers ctrl+shift+n
sleep 0.5
xdotool type --delay 50 "delhi"
sleep 0.5
xdotool key Return
sleep 0.5
e2e_close

ls "$folder"/*.dat >/dev/null 2>&1 || fail "no clock data file in $folder"
count="$(ls "$folder"/*.dat | wc -l)"
[ "$count" = 1 ] || fail "expected one clock, found: $(ls "$folder")"
dat="$folder/Delhi.dat"
[ -f "$dat" ] || fail "no $dat: $(ls "$folder")"
text="$(tr -d '\r' <"$dat")"
grep -qx 'TimeZone=Asia/Kolkata' <<<"$text" || fail "no TimeZone=Asia/Kolkata: $(tr '\n' ' ' <<<"$text")"
grep -qx 'Caption=Delhi' <<<"$text" || fail "no Caption=Delhi: $(tr '\n' ' ' <<<"$text")"
echo "ok: Delhi.dat holds TimeZone=Asia/Kolkata and Caption=Delhi"
